#pragma once
// Float samples to the device's PCM, rounded and clipped to 8-bit unsigned or
// 16-bit signed little-endian samples. 8 bits get TPDF dither first (two
// uniform values of one step each, summed), except on samples that are
// exactly zero, so digital silence stays silent; 16 bits are only rounded,
// their error being already 100 dB below full scale. Also the canonical
// 44-byte header of a PCM WAVE file, which the registration's header scan
// accepts.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vexa {

class DitheredQuantizer {
public:
    explicit DitheredQuantizer(int bits, std::uint64_t seed = 0x9E3779B97F4A7C15ULL);

    // Appends the bytes of `count` samples, each multiplied by `gain` first.
    // The quantized values, as floats again (full scale ±1.0), go to
    // `quantized` (room for `count`) for the output meter.
    void convert(const float* samples, std::size_t count, float gain, std::vector<std::uint8_t>& bytes,
                 float* quantized);
    // Samples that had to be clipped so far.
    std::uint64_t clipped() const { return clipped_; }
    int bytesPerSample() const { return bits_ / 8; }

private:
    double nextUniform();

    int bits_;
    bool dither_;
    std::uint64_t state_;
    std::uint64_t clipped_ = 0;
};

// The header of a PCM WAVE file holding `frames` frames; `frames` must leave
// the RIFF size within 32 bits (see MaxPcmFrames).
std::array<std::uint8_t, 44> PcmWaveHeader(std::uint32_t rate, int bits, int channels, std::uint64_t frames);
// The most frames a PCM WAVE file of this format can hold.
std::uint64_t MaxPcmFrames(int bits, int channels);

}  // namespace vexa
