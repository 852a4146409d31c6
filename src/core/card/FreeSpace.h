#pragma once
// How much room a set of files takes on a file system and how much there is,
// so that creation refuses a card that would not fit before it copies.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace vexa {

struct FreeSpace {
    std::uint64_t available = 0;  // bytes this user may still use
    std::uint64_t blockSize = 0;  // the unit files are stored in
};

// The free space of the file system holding `path`; nullopt (errno kept) when
// it cannot be asked.
std::optional<FreeSpace> FreeSpaceAt(const std::filesystem::path& path);
// The same for the file system holding the open folder or file `fd`.
std::optional<FreeSpace> FreeSpaceOf(int fd);

// The bytes that files of these sizes take in blocks of `blockSize`, with one
// block more for the folder that holds them.
std::uint64_t BytesOnDisk(const std::vector<std::uint64_t>& sizes, std::uint64_t blockSize);

}  // namespace vexa
