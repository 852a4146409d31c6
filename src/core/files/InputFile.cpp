#include "core/files/InputFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vexa {
namespace {

std::string openReason(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "ファイルが見つかりません。";
    case EACCES:
    case EPERM:
        return "読み取る権限がありません。";
    case ELOOP:
        return "シンボリックリンクが循環しています。";
    case ENAMETOOLONG:
        return "名前が長すぎます。";
    default:
        return "開けません（" + std::string(std::strerror(error)) + "）。";
    }
}

InputProblem openProblem(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return InputProblem::Missing;
    case EACCES:
    case EPERM:
        return InputProblem::NoPermission;
    default:
        return InputProblem::Failed;
    }
}

// What an entry that is not a regular file is, for the message.
std::string kindReason(mode_t mode) {
    if (S_ISDIR(mode))
        return "フォルダーで、ファイルではありません。";
    if (S_ISFIFO(mode))
        return "名前付きパイプ（FIFO）で、通常のファイルではありません。";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "デバイスで、通常のファイルではありません。";
    if (S_ISSOCK(mode))
        return "ソケットで、通常のファイルではありません。";
    return "通常のファイルではありません。";
}

}  // namespace

std::string CannotReadText(const std::filesystem::path& path, const std::string& reason) {
    return "「" + path.string() + "」を読めません：" + reason;
}

std::string ByteSizeText(std::uint64_t bytes) {
    constexpr std::uint64_t kKiB = 1024;
    constexpr std::uint64_t kMiB = kKiB * 1024;
    constexpr std::uint64_t kGiB = kMiB * 1024;
    if (bytes >= kGiB && bytes % kGiB == 0)
        return std::to_string(bytes / kGiB) + " GiB";
    if (bytes >= kMiB && bytes % kMiB == 0)
        return std::to_string(bytes / kMiB) + " MiB";
    if (bytes >= kKiB && bytes % kKiB == 0)
        return std::to_string(bytes / kKiB) + " KiB";
    return std::to_string(bytes) + " バイト";
}

// O_NONBLOCK: opening a FIFO for reading would wait for a writer; with it
// the open returns at once and the fstat in opened() refuses the FIFO.
InputFile::InputFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
    opened(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY), maxBytes);
}

InputFile::InputFile(int folder, const std::string& name, std::uint64_t maxBytes) {
    opened(::openat(folder, name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW), maxBytes);
}

void InputFile::opened(int fd, std::uint64_t maxBytes) {
    fd_ = fd;
    maxBytes_ = maxBytes;
    if (fd_ < 0) {
        const int error = errno;
        fail(openProblem(error), openReason(error));
        return;
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        fail(InputProblem::Failed, openReason(errno));
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        fail(InputProblem::NotRegular, kindReason(info.st_mode));
        return;
    }
    size_ = static_cast<std::uint64_t>(info.st_size);
    if (size_ > maxBytes) {
        tooLarge(size_);
        return;
    }
    // A regular file never blocks; reads go back to the ordinary mode. Of the
    // flags F_SETFL changes (O_APPEND, O_ASYNC, O_DIRECT, O_NOATIME,
    // O_NONBLOCK) the opening set O_NONBLOCK alone, so setting none clears
    // just that, without a call to read the flags first: one system call less
    // for each of the hundreds of WAVE files a Control File names.
    ::fcntl(fd_, F_SETFL, 0);
}

InputFile::~InputFile() { close(); }

InputFile::InputFile(InputFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_), maxBytes_(other.maxBytes_), problem_(other.problem_),
      reason_(std::move(other.reason_)) {}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        size_ = other.size_;
        maxBytes_ = other.maxBytes_;
        problem_ = other.problem_;
        reason_ = std::move(other.reason_);
    }
    return *this;
}

void InputFile::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

void InputFile::tooLarge(std::uint64_t bytes) {
    fail(InputProblem::TooLarge, "ファイルが大きすぎます（" + std::to_string(bytes) + " バイト。読み込めるのは " +
                                     ByteSizeText(maxBytes_) + " までです）。");
}

void InputFile::fail(InputProblem problem, std::string reason) {
    close();
    size_ = 0;
    problem_ = problem;
    reason_ = std::move(reason);
}

long InputFile::read(void* buffer, std::size_t count) {
    if (fd_ < 0)
        return -1;
    while (true) {
        const ssize_t got = ::read(fd_, buffer, count);
        if (got >= 0)
            return static_cast<long>(got);
        if (errno == EINTR)
            continue;
        fail(InputProblem::Failed, "読み込み中にエラーが起きました（" + std::string(std::strerror(errno)) + "）。");
        return -1;
    }
}

std::size_t InputFile::readUpTo(std::uint64_t offset, void* buffer, std::size_t count) const {
    if (fd_ < 0)
        return 0;
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::pread(fd_, out + done, count - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

bool InputFile::rewind() { return fd_ >= 0 && ::lseek(fd_, 0, SEEK_SET) == 0; }

std::optional<std::string> InputFile::readAll() {
    if (!rewind())
        return std::nullopt;
    std::string bytes;
    // The size is a hint only: the file may have grown or shrunk since.
    bytes.reserve(static_cast<std::size_t>(size_));
    std::string block(64 * 1024, '\0');
    while (true) {
        const long got = read(block.data(), block.size());
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return bytes;
        if (static_cast<std::uint64_t>(got) > maxBytes_ - bytes.size()) {
            tooLarge(bytes.size() + static_cast<std::uint64_t>(got));
            return std::nullopt;
        }
        bytes.append(block.data(), static_cast<std::size_t>(got));
    }
}

}  // namespace vexa
