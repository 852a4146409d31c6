#include "sound/RiffFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vexa {

namespace {
constexpr std::size_t kHeadBytes = 512;
constexpr std::uint64_t kChunkHeader = 8;
constexpr std::uint64_t kRiffHeader = 12;  // "RIFF", size, form type
}  // namespace

RiffFile::~RiffFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

RiffFile::RiffFile(RiffFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_), head_(std::move(other.head_)) {}

RiffFile& RiffFile::operator=(RiffFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        size_ = other.size_;
        head_ = std::move(other.head_);
    }
    return *this;
}

bool RiffFile::open(const std::filesystem::path& path) {
    if (fd_ >= 0)
        ::close(fd_);
    head_.clear();
    // Non-blocking, so that a FIFO given by mistake cannot hang the open; only
    // regular files are read (a folder or a pipe would fail late or block).
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0)
        return false;
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    size_ = static_cast<std::uint64_t>(st.st_size);
    // Only header bytes are ever asked for, so no audio data is pulled in
    // beyond this first block.
    head_ = read(0, kHeadBytes);
    return true;
}

std::string RiffFile::read(std::uint64_t offset, std::size_t count) {
    if (fd_ < 0 || offset >= size_)
        return {};
    const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(count, size_ - offset));
    if (offset + n <= head_.size())
        return head_.substr(static_cast<std::size_t>(offset), n);
    std::string bytes(n, '\0');
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = ::pread(fd_, bytes.data() + got, n - got, static_cast<off_t>(offset + got));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            break;
        got += static_cast<std::size_t>(r);
    }
    bytes.resize(got);
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
