#include "core/card/CardFileCopy.h"

#include "core/card/CardProblems.h"
#include "core/files/FileFaults.h"
#include "core/files/UniqueFd.h"
#include "core/files/WriteResult.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace vexa {
namespace {

constexpr std::size_t kBlockBytes = 1 << 20;

CopyOutcome failed(std::string problem) { return {false, false, std::move(problem)}; }

// The new file in the work folder; errno set when it cannot be made.
UniqueFd createAt(int folder, const std::string& name) {
    if (const int fault = TakeFileFault(FileCall::Create)) {
        errno = fault;
        return {};
    }
    return UniqueFd(::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
}

// Writes every byte; false with errno set.
bool writeAll(int fd, const char* data, std::size_t count) {
    if (const int fault = TakeFileFault(FileCall::Write)) {
        errno = fault;
        return false;
    }
    while (count > 0) {
        const ssize_t written = ::write(fd, data, count);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

CopyOutcome CopyCardFile(const std::filesystem::path& source, int folder, const std::string& name,
                         const std::filesystem::path& shown, std::uint64_t expectedBytes, Progress& progress) {
    const UniqueFd input(::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!input)
        return failed(cardproblem::cannotRead(source, errno));
    ::posix_fadvise(input.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    const UniqueFd output = createAt(folder, name);
    if (!output)
        return failed(WriteResult::fromError(errno, shown).message);

    const auto buffer = std::make_unique<char[]>(kBlockBytes);
    std::uint64_t copied = 0;
    for (;;) {
        if (progress.stopRequested())
            return {false, true, {}};
        const ssize_t got = ::read(input.get(), buffer.get(), kBlockBytes);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return failed(cardproblem::cannotRead(source, errno));
        }
        if (got == 0)
            break;
        if (copied + static_cast<std::uint64_t>(got) > expectedBytes)
            return failed(cardproblem::sizeMismatch(source, expectedBytes, copied + static_cast<std::uint64_t>(got)));
        if (!writeAll(output.get(), buffer.get(), static_cast<std::size_t>(got)))
            return failed(WriteResult::fromError(errno, shown).message);
        copied += static_cast<std::uint64_t>(got);
    }
    if (copied != expectedBytes)
        return failed(cardproblem::sizeMismatch(source, expectedBytes, copied));
    return {true, false, {}};
}

std::string WriteCardFile(int folder, const std::string& name, std::string_view bytes,
                          const std::filesystem::path& shown) {
    const UniqueFd output = createAt(folder, name);
    if (!output || !writeAll(output.get(), bytes.data(), bytes.size()))
        return WriteResult::fromError(errno, shown).message;
    return {};
}

}  // namespace vexa
