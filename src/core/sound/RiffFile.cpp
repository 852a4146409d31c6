#include "sound/RiffFile.h"

#include <algorithm>

namespace vexa {

namespace {
constexpr std::uint64_t kChunkHeader = 8;
constexpr std::uint64_t kRiffHeader = 12;  // "RIFF", size, form type
}  // namespace

bool RiffFile::open(const std::filesystem::path& path) {
    std::error_code ec;
    // Only regular files: a folder or a pipe would fail late or block.
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    size_ = std::filesystem::file_size(path, ec);
    if (ec)
        return false;
    // Unbuffered: each read asks for just the header bytes it needs, so no
    // audio data is pulled in behind a chunk header.
    in_.rdbuf()->pubsetbuf(nullptr, 0);
    in_.open(path, std::ios::binary);
    return in_.is_open();
}

std::string RiffFile::read(std::uint64_t offset, std::size_t count) {
    if (offset >= size_)
        return {};
    const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(count, size_ - offset));
    std::string bytes(n, '\0');
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(offset));
    in_.read(bytes.data(), static_cast<std::streamsize>(n));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in_.gcount(), 0)));
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
