#include "core/wavetools/StereoSource.h"

#include "core/wavetools/ByteOrder.h"

#include <array>
#include <cstring>

namespace vexa {
namespace {

constexpr std::uint64_t kLargestRiff = 0x7FFFFFFF;

bool isTag(const std::uint8_t* bytes, const char* tag) { return std::memcmp(bytes, tag, 4) == 0; }

// Reads the fields of the "fmt " body the conversion needs; false when the
// format is not two channels of 8 or 16 bits.
bool readFormat(const SourceFile& file, std::uint64_t body, std::uint32_t size, StereoSource& source) {
    std::array<std::uint8_t, 16> fmt{};
    if (size < fmt.size() || !file.readAt(body, fmt.data(), fmt.size()))
        return false;
    const auto channels = BytesToInt(&fmt[2]);
    const auto rate = BytesToLong(&fmt[4]);
    const auto bits = BytesToInt(&fmt[14]);
    if (!channels || !rate || !bits || *channels != 2 || (*bits != 8 && *bits != 16))
        return false;
    // The mono byte rate must still fit its field.
    if (std::uint64_t{*rate} * (*bits / 8) > kLargestRiff)
        return false;
    source.fmtBody = body;
    source.rate = *rate;
    source.bits = *bits;
    return true;
}

// Whether the data holds what the conversion reads: 16-bit data is whole
// four-byte frames; 8-bit data may end in half a frame as long as the byte
// that would be kept from it lies inside the data.
bool dataFits(const StereoSource& source) {
    if (source.bits == 16)
        return source.dataSize % 4 == 0;
    return 2ULL * source.monoDataSize() <= source.dataSize;
}

}  // namespace

std::uint32_t StereoSource::monoDataSize() const {
    const std::uint32_t half = dataSize / 2;
    return (dataSize % 2 == 1 && half % 2 == 1) ? half + 1 : half;
}

std::optional<StereoSource> ReadStereoSource(const SourceFile& file) {
    std::array<std::uint8_t, 8> head{};
    if (!file.readAt(0, head.data(), 4) || !isTag(head.data(), "RIFF"))
        return std::nullopt;
    StereoSource source;
    bool haveFormat = false;
    for (std::uint64_t pos = 12; pos + 8 <= file.size();) {
        if (!file.readAt(pos, head.data(), head.size()))
            return std::nullopt;
        const auto size = BytesToLong(&head[4]);
        if (!size)
            return std::nullopt;
        if (isTag(head.data(), "fmt ") && !haveFormat) {
            if (!readFormat(file, pos + 8, *size, source))
                return std::nullopt;
            haveFormat = true;
        } else if (isTag(head.data(), "data")) {
            source.dataChunk = pos;
            source.dataSize = *size;
            const std::uint64_t end = pos + 8 + *size;
            if (!haveFormat || end > file.size() || end > kLargestRiff || !dataFits(source))
                return std::nullopt;
            return source;
        }
        pos += 8 + *size + (*size & 1);  // chunks are padded to even length
    }
    return std::nullopt;
}

}  // namespace vexa
