#include "core/sound/RiffFile.h"

#include <algorithm>

namespace vexa {

namespace {
constexpr std::size_t kHeadBytes = 512;
constexpr std::uint64_t kChunkHeader = 8;
constexpr std::uint64_t kRiffHeader = 12;  // "RIFF", size, form type
}  // namespace

bool RiffFile::open(const std::filesystem::path& path) {
    head_.clear();
    // Only regular files are read: a folder or a FIFO is refused at once.
    file_ = InputFile(path);
    if (!file_)
        return false;
    size_ = file_.size();
    // Only header bytes are ever asked for, so no audio data is pulled in
    // beyond this first block.
    head_ = read(0, kHeadBytes);
    return true;
}

std::string RiffFile::read(std::uint64_t offset, std::size_t count) {
    if (!file_ || offset >= size_)
        return {};
    const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(count, size_ - offset));
    if (offset + n <= head_.size())
        return head_.substr(static_cast<std::size_t>(offset), n);
    std::string bytes(n, '\0');
    bytes.resize(file_.readUpTo(offset, bytes.data(), n));
    return bytes;
}

std::optional<RiffChunk> RiffFile::riff() {
    const std::string header = read(0, kRiffHeader);
    if (header.size() < kRiffHeader || header.compare(0, 4, "RIFF") != 0)
        return std::nullopt;
    return RiffChunk{kChunkHeader, readLe32(header, 4)};
}

std::optional<RiffChunk> RiffFile::findChunk(const RiffChunk& riff, std::string_view id) {
    const std::uint64_t end = std::min<std::uint64_t>(riff.bodyOffset + riff.size, size_);
    std::uint64_t pos = riff.bodyOffset + 4;  // after the form type
    while (pos + kChunkHeader <= end) {
        const std::string header = read(pos, kChunkHeader);
        if (header.size() < kChunkHeader)
            return std::nullopt;
        const std::uint32_t chunkSize = readLe32(header, 4);
        if (std::string_view(header).substr(0, 4) == id)
            return RiffChunk{pos + kChunkHeader, chunkSize};
        // Sizes are 32-bit and pos is 64-bit: the sum cannot wrap, and the
        // walk moves at least 8 bytes each time.
        pos += kChunkHeader + chunkSize + (chunkSize & 1U);
    }
    return std::nullopt;
}

std::uint16_t readLe16(std::string_view bytes, std::size_t at) {
    auto byte = [&](std::size_t i) -> std::uint16_t {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
    };
    return static_cast<std::uint16_t>(byte(at) | (byte(at + 1) << 8));
}

std::uint32_t readLe32(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(readLe16(bytes, at)) |
           (static_cast<std::uint32_t>(readLe16(bytes, at + 2)) << 16);
}

}  // namespace vexa
