#include "core/card/CardFileCopy.h"

#include "core/card/CardProblems.h"
#include "core/files/FileFaults.h"
#include "core/files/KernelFileCopy.h"
#include "core/files/UniqueFd.h"
#include "core/files/WriteResult.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexa {
namespace {

// What is copied between two looks at the stop request.
constexpr std::uint64_t kStepBytes = 16 << 20;

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

// The size of a source that grew while it was copied, as far as it is known.
std::uint64_t sourceSize(int fd, std::uint64_t atLeast) {
    struct stat info {};
    if (::fstat(fd, &info) == 0)
        return std::max(atLeast, static_cast<std::uint64_t>(info.st_size));
    return atLeast;
}

}  // namespace

CopyOutcome CopyCardFile(const std::filesystem::path& source, int folder, const std::string& name,
                         const std::filesystem::path& shown, std::uint64_t expectedBytes, Progress& progress) {
    const UniqueFd input(::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!input)
        return failed(cardproblem::cannotRead(source, errno));
    const UniqueFd output = createAt(folder, name);
    if (!output)
        return failed(WriteResult::fromError(errno, shown).message);
    if (const int full = PreallocateFile(output.get(), expectedBytes))
        return failed(WriteResult::fromError(full, shown).message);

    // One byte more than expected is asked for, so that a source that grew
    // is seen as such.
    KernelFileCopy copy(input.get(), output.get());
    std::uint64_t copied = 0;
    for (;;) {
        if (progress.stopRequested())
            return {false, true, {}};
        const std::uint64_t wanted = std::min<std::uint64_t>(kStepBytes, expectedBytes - copied + 1);
        const CopyStep step = copy.step(static_cast<std::size_t>(wanted));
        if (step.failed())
            return failed(step.readFailed ? cardproblem::cannotRead(source, step.error)
                                          : WriteResult::fromError(step.error, shown).message);
        if (step.moved == 0)
            break;
        copied += static_cast<std::uint64_t>(step.moved);
        if (copied > expectedBytes)
            return failed(cardproblem::sizeMismatch(source, expectedBytes, sourceSize(input.get(), copied)));
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
