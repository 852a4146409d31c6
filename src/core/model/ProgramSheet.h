#pragma once
// A Program Sheet: its header and 256 line slots, of which the first Line
// Count are in use.
#include "core/model/ProgramLine.h"
#include "core/model/SheetHeader.h"

#include <vector>

namespace vexa {

inline constexpr int kLineSlots = 256;

struct ProgramSheet {
    SheetHeader header;
    std::vector<ProgramLine> lines = std::vector<ProgramLine>(kLineSlots);

    // Clears the header and lines 0 … lineCount - 1; later lines stay.
    void clear(int lineCount);

    bool operator==(const ProgramSheet&) const = default;
};

// The Line Count as an index bound: a setting outside 0 … 256 is held to it.
int usableLineCount(int lineCount);

}  // namespace vexa
