#include "core/wavetools/ByteOrder.h"

namespace vexa {

std::optional<std::uint32_t> BytesToLong(const std::uint8_t* bytes) {
    if (bytes[3] >= 128)
        return std::nullopt;
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void LongToBytes(std::uint32_t value, std::uint8_t* bytes) {
    bytes[0] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    bytes[2] = static_cast<std::uint8_t>((value >> 16) & 0xFF);
    bytes[3] = static_cast<std::uint8_t>((value >> 24) & 0x7F);
}

std::optional<std::uint16_t> BytesToInt(const std::uint8_t* bytes) {
    if (bytes[1] >= 128)
        return std::nullopt;
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

void IntToBytes(std::uint16_t value, std::uint8_t* bytes) {
    bytes[0] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[1] = static_cast<std::uint8_t>(value >> 8);
}

}  // namespace vexa
