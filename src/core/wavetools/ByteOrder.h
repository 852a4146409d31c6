#pragma once
// The little-endian byte routines of the WAVE tools. Sizes of 2 GiB and more
// do not fit the 32-bit signed fields these files were written with, so the
// readers refuse them.
#include <cstdint>
#include <optional>

namespace vexa {

// b0 + b1·256 + b2·65536 + b3·16777216; nullopt from 2147483648 on (b3 ≥ 128).
std::optional<std::uint32_t> BytesToLong(const std::uint8_t* bytes);

// The four bytes of `value`, lowest first; bit 31 is dropped.
void LongToBytes(std::uint32_t value, std::uint8_t* bytes);

// b0 + b1·256; nullopt from 32768 on (b1 ≥ 128).
std::optional<std::uint16_t> BytesToInt(const std::uint8_t* bytes);

// The two bytes of `value`, lowest first.
void IntToBytes(std::uint16_t value, std::uint8_t* bytes);

}  // namespace vexa
