#pragma once
// Moves the bytes of one open file into another at their file offsets, in the
// kernel where it can: copy_file_range (no copy through user space, or a
// shared extent where the file system offers one), else sendfile, else a
// buffer read and written. The first way the pair of files refuses is dropped
// for the rest of the copy. An error of the kernel's ways other than a full
// disk is tried again with the buffer, which tells a failed read from a failed
// write; so does every error the buffer meets.
#include <cstddef>
#include <cstdint>
#include <memory>

namespace vexa {

enum class CopyWay { CopyFileRange, Sendfile, Buffer };

struct CopyStep {
    std::int64_t moved = 0;  // bytes moved; 0 at the end of the input
    int error = 0;           // errno when the step failed
    bool readFailed = false; // the error was the input's (else the output's)
    bool failed() const { return error != 0; }
};

class KernelFileCopy {
public:
    KernelFileCopy(int input, int output, CopyWay first = CopyWay::CopyFileRange);
    ~KernelFileCopy();
    KernelFileCopy(const KernelFileCopy&) = delete;
    KernelFileCopy& operator=(const KernelFileCopy&) = delete;

    // Moves at most `count` bytes (at least one unless the input has ended).
    CopyStep step(std::size_t count);
    CopyWay way() const { return way_; }

private:
    CopyStep kernelStep(std::size_t count);
    CopyStep bufferStep(std::size_t count);

    int input_;
    int output_;
    CopyWay way_;
    std::unique_ptr<char[]> buffer_;
};

// Reserves `bytes` for a file about to be written, without changing its
// size, where the file system places blocks (fallocate; not in memory); 0,
// or the errno of a file system that has no room for it.
int PreallocateFile(int fd, std::uint64_t bytes);

}  // namespace vexa
