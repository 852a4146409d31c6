#pragma once
// Where the parts of a stereo PCM WAVE file lie, found by walking its RIFF
// chunks, and whether the file is one the mono conversion can take.
#include "core/wavetools/SourceFile.h"

#include <cstdint>
#include <optional>

namespace vexa {

struct StereoSource {
    std::uint64_t fmtBody = 0;    // offset of the "fmt " chunk's body
    std::uint64_t dataChunk = 0;  // offset of the "data" chunk's id
    std::uint32_t dataSize = 0;
    std::uint32_t rate = 0;
    std::uint16_t bits = 0;  // 8 or 16

    std::uint64_t headerSize() const { return dataChunk + 8; }
    // Bytes of the mono data: half the stereo data, halves rounded to even.
    std::uint32_t monoDataSize() const;
};

// The layout, or nullopt when the file is not a RIFF file with a "fmt " chunk
// (two channels, 8 or 16 bits) before a "data" chunk that ends inside the file
// and holds whole frames.
std::optional<StereoSource> ReadStereoSource(const SourceFile& file);

}  // namespace vexa
