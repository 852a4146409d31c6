#pragma once
// Every file below a folder with its bytes (and every sub-folder, as
// "name/"), so that a test can say a folder is exactly as it was.
#include <filesystem>
#include <map>
#include <string>

namespace vexa::test {

// Relative path → bytes ("" for a folder, whose key ends in "/"). Hidden
// entries are included: a leftover work folder shows.
std::map<std::string, std::string> folderContents(const std::filesystem::path& folder);

}  // namespace vexa::test
