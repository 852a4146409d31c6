#include "core/model/ProgramSheet.h"

#include <algorithm>

namespace vexa {

int usableLineCount(int lineCount) { return std::clamp(lineCount, 0, kLineSlots); }

void ProgramSheet::clear(int lineCount) {
    header.clear();
    const int n = usableLineCount(lineCount);
    for (int i = 0; i < n; ++i)
        lines[i] = ProgramLine{};
}

}  // namespace vexa
