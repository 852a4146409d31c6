#include "core/import/PcmWriter.h"

#include <cmath>
#include <cstring>

namespace vexa {
namespace {

void put16(std::uint8_t* at, std::uint16_t v) {
    at[0] = static_cast<std::uint8_t>(v & 0xFF);
    at[1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::uint8_t* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
}

}  // namespace

DitheredQuantizer::DitheredQuantizer(int bits, std::uint64_t seed)
    : bits_(bits), dither_(bits == 8), state_(seed ? seed : 1) {}

double DitheredQuantizer::nextUniform() {
    // xorshift64*: fast, and plenty for dither.
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    const std::uint64_t value = state_ * 0x2545F4914F6CDD1DULL;
    return static_cast<double>(value >> 11) * (1.0 / 9007199254740992.0);  // [0, 1)
}

void DitheredQuantizer::convert(const float* samples, std::size_t count, float gain, std::vector<std::uint8_t>& bytes,
                                float* quantized) {
    const double scale = bits_ == 8 ? 128.0 : 32768.0;
    const double low = -scale;
    const double high = scale - 1.0;
    const std::size_t start = bytes.size();
    bytes.resize(start + count * static_cast<std::size_t>(bits_ / 8));
    std::uint8_t* out = bytes.data() + start;
    for (std::size_t i = 0; i < count; ++i) {
        // 8 bits: triangular dither of ±1 step, but none on digital silence,
        // which stays silent. 16 bits: rounded, the error already 100 dB
        // below full scale.
        double value = static_cast<double>(samples[i]) * gain * scale;
        if (dither_ && samples[i] != 0.0f)
            value += nextUniform() + nextUniform() - 1.0;
        value = std::isnan(value) ? 0.0 : std::nearbyint(value);
        if (value < low || value > high) {
            value = value < low ? low : high;
            ++clipped_;
        }
        quantized[i] = static_cast<float>(value / scale);
        if (bits_ == 8) {
            *out++ = static_cast<std::uint8_t>(static_cast<int>(value) + 128);
        } else {
            put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
            out += 2;
        }
    }
}

std::array<std::uint8_t, 44> PcmWaveHeader(std::uint32_t rate, int bits, int channels, std::uint64_t frames) {
    const std::uint32_t blockAlign = static_cast<std::uint32_t>(channels * bits / 8);
    const std::uint32_t dataSize = static_cast<std::uint32_t>(frames * blockAlign);
    std::array<std::uint8_t, 44> h{};
    std::memcpy(h.data(), "RIFF", 4);
    put32(&h[4], dataSize + 36);
    std::memcpy(&h[8], "WAVEfmt ", 8);
    put32(&h[16], 16);
    put16(&h[20], 1);
    put16(&h[22], static_cast<std::uint16_t>(channels));
    put32(&h[24], rate);
    put32(&h[28], rate * blockAlign);
    put16(&h[32], static_cast<std::uint16_t>(blockAlign));
    put16(&h[34], static_cast<std::uint16_t>(bits));
    std::memcpy(&h[36], "data", 4);
    put32(&h[40], dataSize);
    return h;
}

std::uint64_t MaxPcmFrames(int bits, int channels) {
    const std::uint64_t blockAlign = static_cast<std::uint64_t>(channels * bits / 8);
    return (0xFFFFFFFFULL - 36) / blockAlign;
}

}  // namespace vexa
