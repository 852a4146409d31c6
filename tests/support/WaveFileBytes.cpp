#include "WaveFileBytes.h"

namespace vexa::test {

std::string le16(std::uint16_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::string le32(std::uint32_t value) {
    return le16(static_cast<std::uint16_t>(value & 0xFFFF)) +
           le16(static_cast<std::uint16_t>(value >> 16));
}

std::string chunk(std::string_view id, std::string_view body) {
    std::string out = chunkClaiming(id, static_cast<std::uint32_t>(body.size()), body);
    if (body.size() % 2 == 1)
        out.push_back('\0');
    return out;
}

std::string chunkClaiming(std::string_view id, std::uint32_t declaredSize, std::string_view body) {
    return std::string(id) + le32(declaredSize) + std::string(body);
}

std::string pcmFormat(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    const auto blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    return le16(1) + le16(channels) + le32(rate) + le32(rate * blockAlign) + le16(blockAlign) +
           le16(bits);
}

std::string riff(std::string_view chunks, std::string_view formType) {
    return "RIFF" + le32(static_cast<std::uint32_t>(4 + chunks.size())) + std::string(formType) +
           std::string(chunks);
}

std::string pcmWave(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                    std::uint32_t dataBytes) {
    return riff(chunk("fmt ", pcmFormat(channels, rate, bits)) +
                chunk("data", std::string(dataBytes, '\0')));
}

}  // namespace vexa::test
