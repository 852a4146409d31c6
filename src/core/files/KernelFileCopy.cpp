#include "core/files/KernelFileCopy.h"

#include "core/files/FileFaults.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/sendfile.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace vexa {
namespace {

constexpr std::size_t kBufferBytes = 1 << 20;

// The pair of files (or the kernel) does not offer this way at all.
bool wayRefused(int error) {
    return error == ENOSYS || error == EXDEV || error == EINVAL || error == EOPNOTSUPP || error == EBADF;
}

// Errors that every way would meet again at the output.
bool outputFull(int error) { return error == ENOSPC || error == EDQUOT || error == EFBIG; }

// A file system in memory (tmpfs, ramfs) places nothing: reserving its pages
// first only costs a second pass over them.
bool inMemory(int fd) {
    struct statfs info {};
    return ::fstatfs(fd, &info) == 0 && (info.f_type == TMPFS_MAGIC || info.f_type == RAMFS_MAGIC);
}

}  // namespace

KernelFileCopy::KernelFileCopy(int input, int output, CopyWay first) : input_(input), output_(output), way_(first) {}

KernelFileCopy::~KernelFileCopy() = default;

CopyStep KernelFileCopy::step(std::size_t count) {
    if (const int fault = TakeFileFault(FileCall::Write))
        return {0, fault, false};
    while (way_ != CopyWay::Buffer) {
        const CopyStep done = kernelStep(count);
        if (!done.failed() && done.moved > 0)
            return done;
        if (done.failed() && outputFull(done.error))
            return done;
        if (done.failed() && wayRefused(done.error)) {
            way_ = way_ == CopyWay::CopyFileRange ? CopyWay::Sendfile : CopyWay::Buffer;
            continue;
        }
        // Any other error, and an end of the input, are confirmed by reading
        // (a few file systems say "no more" to the kernel's copy too early).
        return bufferStep(count);
    }
    return bufferStep(count);
}

CopyStep KernelFileCopy::kernelStep(std::size_t count) {
    for (;;) {
        const ssize_t moved = way_ == CopyWay::CopyFileRange
                                  ? ::copy_file_range(input_, nullptr, output_, nullptr, count, 0)
                                  : ::sendfile(output_, input_, nullptr, count);
        if (moved >= 0)
            return {moved, 0, false};
        if (errno != EINTR)
            return {0, errno, false};
    }
}

CopyStep KernelFileCopy::bufferStep(std::size_t count) {
    if (!buffer_)
        buffer_ = std::make_unique<char[]>(kBufferBytes);
    ssize_t got;
    do
        got = ::read(input_, buffer_.get(), std::min(count, kBufferBytes));
    while (got < 0 && errno == EINTR);
    if (got < 0)
        return {0, errno, true};
    const char* data = buffer_.get();
    std::size_t left = static_cast<std::size_t>(got);
    while (left > 0) {
        const ssize_t written = ::write(output_, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return {0, errno, false};
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return {got, 0, false};
}

int PreallocateFile(int fd, std::uint64_t bytes) {
    if (bytes == 0 || inMemory(fd))
        return 0;
    int result;
    do
        result = ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes));
    while (result != 0 && errno == EINTR);
    if (result == 0 || !outputFull(errno))
        return 0;  // reserved, or a file system that does not reserve
    return errno;
}

}  // namespace vexa
