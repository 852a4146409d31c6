#pragma once
// A file opened for reading in blocks, closed when the object goes.
#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace vexa {

class SourceFile {
public:
    explicit SourceFile(const std::filesystem::path& path);
    ~SourceFile();
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    std::uint64_t size() const { return size_; }

    // Reads exactly `count` bytes at `offset`; false on an error or a short file.
    bool readAt(std::uint64_t offset, void* buffer, std::size_t count) const;

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

}  // namespace vexa
