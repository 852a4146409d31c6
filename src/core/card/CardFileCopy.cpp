#include "card/CardFileCopy.h"

#include "card/CardProblems.h"
#include "files/FileReplacement.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace vexa {
namespace {

constexpr std::size_t kBlockBytes = 1 << 20;

class InputFile {
public:
    explicit InputFile(const std::filesystem::path& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
        error_ = fd_ < 0 ? errno : 0;
        if (fd_ >= 0)
            ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
    }
    ~InputFile() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    int fd() const { return fd_; }
    int error() const { return error_; }

private:
    int fd_;
    int error_;
};

CopyOutcome failed(std::string problem) { return {false, false, std::move(problem)}; }

}  // namespace

CopyOutcome CopyCardFile(const std::filesystem::path& source, const std::filesystem::path& target,
                         std::uint64_t expectedBytes, Progress& progress) {
    InputFile input(source);
    if (input.fd() < 0)
        return failed(cardproblem::cannotRead(source, input.error()));
    FileReplacement output(target);
    output.deferSync();  // the whole set is flushed at once before it is used
    if (!output.isOpen())
        return failed(output.result().message);

    const auto buffer = std::make_unique<char[]>(kBlockBytes);
    std::uint64_t copied = 0;
    for (;;) {
        if (progress.stopRequested())
            return {false, true, {}};
        const ssize_t got = ::read(input.fd(), buffer.get(), kBlockBytes);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return failed(cardproblem::cannotRead(source, errno));
        }
        if (got == 0)
            break;
        if (!output.write(buffer.get(), static_cast<std::size_t>(got)))
            return failed(output.result().message);
        copied += static_cast<std::uint64_t>(got);
    }
    if (copied != expectedBytes)
        return failed(cardproblem::sizeMismatch(source, expectedBytes, copied));
    if (const WriteResult committed = output.commit(); !committed)
        return failed(committed.message);
    return {true, false, {}};
}

}  // namespace vexa
