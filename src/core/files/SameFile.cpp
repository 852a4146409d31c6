#include "core/files/SameFile.h"

#include <sys/stat.h>

namespace vexa {

bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0)
        return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace vexa
