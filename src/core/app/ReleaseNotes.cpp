#include "app/ReleaseNotes.h"

#include "text/Cp932.h"

#include <fstream>

namespace vexa {

std::string ReleaseNotesText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string text;
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        text += (first ? "" : "\n") + cp932::toUtf8(line);
        first = false;
    }
    return text;
}

}  // namespace vexa
