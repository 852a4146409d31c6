#pragma once
// The release notes beside the program (Release.txt, CP932, CR LF), as the
// release notes window shows them.
#include <filesystem>
#include <string>

namespace vexa {

// The file's lines joined by line breaks, without one after the last line;
// "" when the file is missing or cannot be read.
std::string ReleaseNotesText(const std::filesystem::path& file);

}  // namespace vexa
