#include "core/files/FileReplacement.h"

#include "core/files/FileFaults.h"
#include "core/files/FolderAt.h"
#include "core/files/TemporaryName.h"
#include "core/files/TemporaryRegistry.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace vexa {
namespace fs = std::filesystem;
namespace {

constexpr int kMaxLinks = 40;                     // as the kernel follows them

// The file that writing `requested` changes, as an absolute path (the signal
// handler must find its temporary after a change of the working folder): the
// end of a chain of symbolic links, even one that names no file yet. 0 or an
// error number.
int resolveTarget(const fs::path& requested, fs::path& target) {
    std::error_code ec;
    target = fs::absolute(requested, ec);
    for (int hops = 0; !ec; ++hops) {
        struct stat entry {};
        if (::lstat(target.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode))
            return 0;
        if (hops == kMaxLinks)
            return ELOOP;
        const fs::path next = fs::read_symlink(target, ec);
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return ec.value();
}

// A hidden name beside `target` that this process has not used yet.
std::string temporaryBeside(const fs::path& target) {
    static std::atomic<unsigned> serial{0};
    return TemporaryName(target.filename().native(), ::getpid(), serial++);
}

// Keeps SIGINT, SIGTERM and SIGHUP back while a temporary is created and
// registered, so that no signal falls between the two.
class EndingSignalsHeld {
public:
    EndingSignalsHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&held, signal);
        ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
    }
    ~EndingSignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    EndingSignalsHeld(const EndingSignalsHeld&) = delete;
    EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

private:
    sigset_t previous_{};
};

// What an existing entry of the target's name stops. The mode bits are
// looked at, not access(), because root may write any file.
WriteProblem refusalOf(const struct stat& existing) {
    if (!S_ISREG(existing.st_mode))
        return WriteProblem::NotAFile;
    if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return WriteProblem::ReadOnlyFile;
    return WriteProblem::None;
}

// Writes all `count` bytes at `offset`, or at the end when it is negative.
// 0 or an error number.
int writeFully(int fd, const char* bytes, std::size_t count, off_t offset) {
    while (count > 0) {
        if (const int injected = TakeFileFault(FileCall::Write))
            return injected;
        const ssize_t put = offset < 0 ? ::write(fd, bytes, count) : ::pwrite(fd, bytes, count, offset);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return errno;
        if (put == 0)  // nothing taken and no error: there is no room
            return ENOSPC;
        bytes += put;
        count -= static_cast<std::size_t>(put);
        if (offset >= 0)
            offset += put;
    }
    return 0;
}

}  // namespace

FileReplacement::FileReplacement(fs::path target) : requested_(std::move(target)) { open(); }

FileReplacement::~FileReplacement() { abandon(); }

bool FileReplacement::open() {
    if (!requested_.has_filename()) {  // "" or a name ending in "/"
        result_ = WriteResult::failure(WriteProblem::NotAFile, requested_);
        return false;
    }
    if (const int error = resolveTarget(requested_, target_))
        return fail(error);
    // Everything from here on happens in the target's folder, through its
    // descriptor: the folder cannot be swapped for another one under us.
    folder_ = OpenFolder(target_.parent_path());
    if (!folder_)
        return fail(errno);
    targetName_ = target_.filename().native();
    struct stat existing {};
    if (::fstatat(folder_.get(), targetName_.c_str(), &existing, 0) == 0) {
        if (const WriteProblem refusal = refusalOf(existing); refusal != WriteProblem::None) {
            result_ = WriteResult::failure(refusal, requested_);
            return false;
        }
        // A file this user may not write, or one on a read-only mount.
        if (::faccessat(folder_.get(), targetName_.c_str(), W_OK, AT_EACCESS) != 0)
            return fail(errno);
        existed_ = true;
        mode_ = existing.st_mode & 07777;
        owner_ = existing.st_uid;
        group_ = existing.st_gid;
    } else if (errno != ENOENT) {
        return fail(errno);
    }

    // Private until commit() gives it the old file's mode; a new file gets
    // what the umask allows.
    const mode_t createMode = existed_ ? 0600 : 0666;
    RemoveStaleTemporaries(folder_.get());
    const EndingSignalsHeld held;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = temporaryBeside(target_);
        int error = TakeFileFault(FileCall::Create);
        if (error == 0) {
            fd_ = ::openat(folder_.get(), candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                           createMode);
            if (fd_ >= 0) {
                temporary_ = candidate;
                slot_ = TemporaryRegistry::remember(target_.parent_path() / temporary_);
                return true;
            }
            error = errno;
        }
        if (error != EEXIST)
            return fail(error);
    }
    return fail(EEXIST);
}

bool FileReplacement::write(const void* data, std::size_t count) {
    if (fd_ < 0)
        return false;
    const int error = writeFully(fd_, static_cast<const char*>(data), count, -1);
    return error == 0 || fail(error);
}

bool FileReplacement::writeZeros(std::uint64_t count) {
    static const std::array<char, 64 * 1024> zeros{};
    while (count > 0) {
        const std::size_t piece = static_cast<std::size_t>(std::min<std::uint64_t>(count, zeros.size()));
        if (!write(zeros.data(), piece))
            return false;
        count -= piece;
    }
    return true;
}

bool FileReplacement::writeAt(std::uint64_t offset, const void* data, std::size_t count) {
    if (fd_ < 0)
        return false;
    if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()))
        return fail(EFBIG);
    const int error = writeFully(fd_, static_cast<const char*>(data), count, static_cast<off_t>(offset));
    return error == 0 || fail(error);
}

WriteResult FileReplacement::commit() {
    if (committed_)
        return result_;
    if (fd_ < 0)  // refused, failed, or abandoned
        return result_.ok() ? WriteResult::failure(WriteProblem::Failed, requested_) : result_;
    if (existed_) {
        if (::fchown(fd_, owner_, group_) != 0) {
            // Only root may give a file away; otherwise it stays with this user.
        }
        if (::fchmod(fd_, mode_) != 0) {
            fail(errno);
            return result_;
        }
    }
    const int syncFault = TakeFileFault(FileCall::Sync);
    if (syncFault != 0 || (syncOnCommit_ && ::fsync(fd_) != 0)) {
        fail(syncFault != 0 ? syncFault : errno);
        return result_;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) {  // after EINTR the file is closed, its data synced
        fail(errno);
        return result_;
    }
    const int renameFault = TakeFileFault(FileCall::Rename);
    if (renameFault != 0 ||
        ::renameat(folder_.get(), temporary_.c_str(), folder_.get(), targetName_.c_str()) != 0) {
        fail(renameFault != 0 ? renameFault : errno);
        return result_;
    }
    TemporaryRegistry::forget(slot_);
    slot_ = -1;
    temporary_.clear();
    committed_ = true;
    if (syncOnCommit_)
        SyncFolder(folder_.get());  // the new file is in place whatever this gives
    return result_;
}

void FileReplacement::abandon() {
    if (!committed_)
        removeTemporary();
}

bool FileReplacement::fail(int error) {
    if (result_.ok())
        result_ = WriteResult::fromError(error, requested_);
    removeTemporary();
    return false;
}

void FileReplacement::removeTemporary() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlinkat(folder_.get(), temporary_.c_str(), 0);
        temporary_.clear();
    }
    TemporaryRegistry::forget(slot_);
    slot_ = -1;
}

WriteResult ReplaceFileContents(const fs::path& path, std::string_view bytes) {
    FileReplacement replacement(path);
    replacement.write(bytes);
    return replacement.commit();
}

}  // namespace vexa
