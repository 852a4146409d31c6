#include "wavetools/ReplacingFile.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace vexa {
namespace {

bool writeAll(int fd, const char* data, std::size_t count) {
    while (count > 0) {
        const ssize_t put = ::write(fd, data, count);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        data += put;
        count -= static_cast<std::size_t>(put);
    }
    return true;
}

// A name beside the target that no other writer uses; hidden, so that a file
// left by a killed process does not look like a result.
int createTemporary(const std::filesystem::path& target, std::filesystem::path& temporary) {
    static std::atomic<unsigned> serial{0};
    const std::filesystem::path folder = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "." + target.filename().string() + "." + std::to_string(::getpid()) +
                                 "-" + std::to_string(serial++) + ".tmp";
        temporary = folder / name;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

}  // namespace

ReplacingFile::ReplacingFile(std::filesystem::path target) : target_(std::move(target)) {
    fd_ = createTemporary(target_, temporary_);
}

ReplacingFile::~ReplacingFile() {
    if (fd_ >= 0) {
        ::close(fd_);
        std::error_code ec;
        std::filesystem::remove(temporary_, ec);
    }
}

bool ReplacingFile::write(const void* data, std::size_t count) {
    return fd_ >= 0 && writeAll(fd_, static_cast<const char*>(data), count);
}

bool ReplacingFile::writeZeros(std::uint64_t count) {
    static const std::array<char, 64 * 1024> zeros{};
    while (count > 0) {
        const std::size_t piece = static_cast<std::size_t>(std::min<std::uint64_t>(count, zeros.size()));
        if (!write(zeros.data(), piece))
            return false;
        count -= piece;
    }
    return true;
}

bool ReplacingFile::writeAt(std::uint64_t offset, const void* data, std::size_t count) {
    if (fd_ < 0)
        return false;
    const auto* bytes = static_cast<const char*>(data);
    while (count > 0) {
        const ssize_t put = ::pwrite(fd_, bytes, count, static_cast<off_t>(offset));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        bytes += put;
        offset += static_cast<std::uint64_t>(put);
        count -= static_cast<std::size_t>(put);
    }
    return true;
}

bool ReplacingFile::commit() {
    if (fd_ < 0)
        return false;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    std::error_code ec;
    if (closed)
        std::filesystem::rename(temporary_, target_, ec);
    if (!closed || ec) {
        std::filesystem::remove(temporary_, ec);
        return false;
    }
    return true;
}

void LeaveEmptyFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd >= 0)
        ::close(fd);
}

}  // namespace vexa
