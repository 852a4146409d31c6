#pragma once
// A file without a name for work that does not fit in memory (an imported
// sound between its two passes): opened with O_TMPFILE in the first of the
// given folders that allows it, or created and unlinked at once where the
// file system has no O_TMPFILE. Nothing is left behind whatever ends the
// process, since the file never has a name once opened.
#include "core/files/UniqueFd.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vexa {

class ScratchFile {
public:
    // Tries each folder in turn; isOpen() is false when none would do.
    explicit ScratchFile(const std::vector<std::filesystem::path>& folders);

    bool isOpen() const { return fd_.valid(); }
    // The errno of the last failure (0 when none).
    int error() const { return error_; }
    std::uint64_t size() const { return size_; }

    // Appends bytes; false on any failure.
    bool append(const void* data, std::size_t count);
    // Reads bytes already written; false when they cannot all be read.
    bool readAt(std::uint64_t offset, void* data, std::size_t count) const;
    // Cuts the file to `count` bytes (or extends it with zero bytes).
    bool resize(std::uint64_t count);

private:
    UniqueFd fd_;
    std::uint64_t size_ = 0;
    mutable int error_ = 0;
};

}  // namespace vexa
