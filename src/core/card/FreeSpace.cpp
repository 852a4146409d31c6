#include "core/card/FreeSpace.h"

#include <sys/statvfs.h>

namespace vexa {

namespace {

FreeSpace spaceOf(const struct statvfs& info) {
    const std::uint64_t block = info.f_frsize != 0 ? info.f_frsize : info.f_bsize;
    return FreeSpace{static_cast<std::uint64_t>(info.f_bavail) * block, block};
}

}  // namespace

std::optional<FreeSpace> FreeSpaceAt(const std::filesystem::path& path) {
    struct statvfs info {};
    if (::statvfs(path.c_str(), &info) != 0)
        return std::nullopt;
    return spaceOf(info);
}

std::optional<FreeSpace> FreeSpaceOf(int fd) {
    struct statvfs info {};
    if (::fstatvfs(fd, &info) != 0)
        return std::nullopt;
    return spaceOf(info);
}

std::uint64_t BytesOnDisk(const std::vector<std::uint64_t>& sizes, std::uint64_t blockSize) {
    const std::uint64_t block = blockSize != 0 ? blockSize : 1;
    std::uint64_t total = block;
    for (const std::uint64_t size : sizes)
        total += (size + block - 1) / block * block;
    return total;
}

}  // namespace vexa
