#pragma once
// Whether two paths name the same file or folder, however they are written
// ("./a.wav", a hard link, a symbolic link to it): same device and inode.
#include <filesystem>

namespace vexa {

// False when either cannot be looked at (one that does not exist included).
bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace vexa
