#pragma once
// Writes a new version of a file beside it under a temporary name and puts it
// in place only on commit(), so that an interrupted job never leaves a
// half-written file under the real name. Without commit() the temporary file
// is removed.
#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace vexa {

class ReplacingFile {
public:
    explicit ReplacingFile(std::filesystem::path target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }

    // Appends bytes; false on any error.
    bool write(const void* data, std::size_t count);
    // Appends `count` zero bytes.
    bool writeZeros(std::uint64_t count);
    // Overwrites bytes already written.
    bool writeAt(std::uint64_t offset, const void* data, std::size_t count);

    // Closes the temporary file and renames it to the target.
    bool commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
};

// Leaves an empty file under `path` (what a failed job leaves behind).
void LeaveEmptyFile(const std::filesystem::path& path);

}  // namespace vexa
