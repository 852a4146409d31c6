#pragma once
// A file opened for reading in blocks (only a regular file: see InputFile),
// closed when the object goes.
#include "core/files/InputFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace vexa {

class SourceFile {
public:
    explicit SourceFile(const std::filesystem::path& path);

    bool isOpen() const { return file_.isOpen(); }
    std::uint64_t size() const { return file_.size(); }

    // Reads exactly `count` bytes at `offset`; false on an error or a short file.
    bool readAt(std::uint64_t offset, void* buffer, std::size_t count) const;

private:
    InputFile file_;
};

}  // namespace vexa
