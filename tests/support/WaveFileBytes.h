#pragma once
// WAVE file bytes built in tests, chunk by chunk, so each case shows exactly
// which bytes it is about.
#include <cstdint>
#include <string>
#include <string_view>

namespace vexa::test {

std::string le16(std::uint16_t value);
std::string le32(std::uint32_t value);

// A chunk with the body's size, padded to even length.
std::string chunk(std::string_view id, std::string_view body);
// A chunk whose header claims `declaredSize`, whatever the body holds (no pad).
std::string chunkClaiming(std::string_view id, std::uint32_t declaredSize, std::string_view body);

// A 16-byte PCM "fmt " body with matching AvgBytesPerSec and BlockAlign.
std::string pcmFormat(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits);

// "RIFF", the size of form type plus chunks, the form type, the chunks.
std::string riff(std::string_view chunks, std::string_view formType = "WAVE");

// A canonical PCM file: fmt (16 bytes) and data of `dataBytes` zero bytes.
std::string pcmWave(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                    std::uint32_t dataBytes);

}  // namespace vexa::test
