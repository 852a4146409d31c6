#pragma once
// The one way a file the program reads is opened: the Control File, the
// Configuration and Element Pattern Files, WAVE files, the release notes.
// The open never blocks (a FIFO named by mistake would otherwise wait for a
// writer for ever), only a regular file is kept (checked on the opened file,
// so nothing can swap it in between), and a file larger than the reader
// allows is refused before a byte of it is read. A refusal carries a Japanese
// reason that says what the entry is ("名前付きパイプ（FIFO）で、通常のファイルではありません。").
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

namespace vexa {

enum class InputProblem {
    None,
    Missing,       // nothing of that name (or a folder on the way is missing)
    NoPermission,  // this user may not read it
    NotRegular,    // a folder, a FIFO, a device or a socket
    TooLarge,      // more bytes than the reader allows
    Failed,        // any other error of the system, or a read that failed
};

class InputFile {
public:
    static constexpr std::uint64_t kNoLimit = std::numeric_limits<std::uint64_t>::max();

    InputFile() = default;
    // Opens `path` for reading; see problem() and reason() when it failed.
    explicit InputFile(const std::filesystem::path& path, std::uint64_t maxBytes = kNoLimit);
    ~InputFile();
    InputFile(InputFile&& other) noexcept;
    InputFile& operator=(InputFile&& other) noexcept;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    explicit operator bool() const { return isOpen(); }
    InputProblem problem() const { return problem_; }
    // Why the file cannot be read, ending with "。"; "" while all is well.
    const std::string& reason() const { return reason_; }
    // The size when it was opened.
    std::uint64_t size() const { return size_; }
    // The descriptor, for advice to the kernel; -1 when not open.
    int fd() const { return fd_; }

    // Up to `count` bytes from the current position: 0 at the end, -1 on an
    // error (the problem and the reason are then set).
    long read(void* buffer, std::size_t count);
    // Up to `count` bytes at `offset` (the position is not moved): fewer
    // where the file ends or a read fails.
    std::size_t readUpTo(std::uint64_t offset, void* buffer, std::size_t count) const;
    // Exactly `count` bytes at `offset`; false on an error or where the file
    // ends first.
    bool readAt(std::uint64_t offset, void* buffer, std::size_t count) const {
        return readUpTo(offset, buffer, count) == count;
    }
    // The whole file from its start; nullopt on a read error, or when it has
    // grown past the limit since it was opened.
    std::optional<std::string> readAll();
    // Back to the start for read().
    bool rewind();

    void close();

private:
    void fail(InputProblem problem, std::string reason);
    void tooLarge(std::uint64_t bytes);

    int fd_ = -1;
    std::uint64_t size_ = 0;
    std::uint64_t maxBytes_ = kNoLimit;
    InputProblem problem_ = InputProblem::None;
    std::string reason_;
};

// "「/x/a.ini」を読めません：" followed by the reason.
std::string CannotReadText(const std::filesystem::path& path, const std::string& reason);

// "16 MiB", "512 KiB" or "123 バイト": a limit as a message gives it.
std::string ByteSizeText(std::uint64_t bytes);

}  // namespace vexa
