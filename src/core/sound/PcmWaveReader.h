#pragma once
// The PCM samples of a WAVE file, read on the fly in whole frames for a sound
// output: the "fmt " and "data" chunks found by walking the RIFF chunks, the
// data clamped to what the file really holds, and never more than the caller's
// block in memory, so a file of hundreds of megabytes plays in a few kilobytes.
#include "core/sound/AudioOutput.h"
#include "core/sound/RiffFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace vexa {

struct PcmFormat {
    std::uint16_t channels = 0;  // 1 or 2
    std::uint32_t rate = 0;      // one of the accepted rates
    std::uint16_t bits = 0;      // 8 (unsigned samples) or 16 (signed little-endian)

    std::uint32_t bytesPerFrame() const { return static_cast<std::uint32_t>(channels) * (bits / 8u); }
    bool operator==(const PcmFormat&) const = default;
};

class PcmWaveReader {
public:
    // Opens a PCM WAVE file of 8 or 16 bits, mono or stereo, at an accepted
    // rate; anything else gives FileMissing or Unplayable with the reason.
    AudioResult open(const std::filesystem::path& file);

    const PcmFormat& format() const { return format_; }
    // Bytes of whole frames in the data chunk, as far as the file holds them.
    std::uint64_t dataBytes() const { return dataBytes_; }
    long long durationMicroseconds() const;

    // Copies up to `max` bytes (whole frames) from the current position;
    // 0 at the end or on a read error.
    std::size_t read(char* out, std::size_t max);
    void rewind() { position_ = 0; }
    bool atEnd() const { return position_ >= dataBytes_; }

private:
    RiffFile file_;
    PcmFormat format_;
    std::uint64_t dataOffset_ = 0;
    std::uint64_t dataBytes_ = 0;
    std::uint64_t position_ = 0;
};

}  // namespace vexa
