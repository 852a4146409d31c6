#include "core/files/MakeDir.h"

#include <filesystem>
#include <system_error>

namespace vexa {

bool MakeDir(const std::string& path) {
    const auto first = path.find_first_not_of(" \t");
    if (first == std::string::npos)
        return false;
    const auto last = path.find_last_not_of(" \t");
    const std::filesystem::path folder = path.substr(first, last - first + 1);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return !ec && std::filesystem::is_directory(folder, ec);
}

}  // namespace vexa
