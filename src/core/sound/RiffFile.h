#pragma once
// A WAVE file opened for walking its RIFF chunks. Every read is bounded by the
// file's real size, so no size field of the file can make it read, allocate or
// loop beyond what is there.
#include "core/files/InputFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vexa {

struct RiffChunk {
    std::uint64_t bodyOffset = 0;  // position of the chunk body in the file
    std::uint32_t size = 0;        // as the chunk header gives it
};

class RiffFile {
public:
    // False when the path is not a regular file that can be read; openProblem() says why.
    bool open(const std::filesystem::path& path);
    const std::string& openProblem() const { return file_.reason(); }
    InputProblem openFault() const { return file_.problem(); }

    std::uint64_t fileSize() const { return size_; }

    // Up to `count` bytes from `offset`; fewer where the file ends, "" on a read error.
    std::string read(std::uint64_t offset, std::size_t count);

    // The RIFF chunk at the start of the file; nullopt when there is none.
    std::optional<RiffChunk> riff();

    // The first sub-chunk with this id inside the RIFF body, other chunks
    // skipped by their sizes (padded to even); nullopt when the walk reaches
    // the end of the RIFF chunk or of the file first.
    std::optional<RiffChunk> findChunk(const RiffChunk& riff, std::string_view id);

private:
    InputFile file_;
    std::uint64_t size_ = 0;
    // The first bytes of the file, read once: the chunk headers a WAVE file
    // carries almost always lie there, so walking them costs no more reads.
    std::string head_;
};

// Little-endian values from raw bytes; bytes past the end read as 0.
std::uint16_t readLe16(std::string_view bytes, std::size_t at);
std::uint32_t readLe32(std::string_view bytes, std::size_t at);

}  // namespace vexa
