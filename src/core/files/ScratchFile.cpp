#include "core/files/ScratchFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace vexa {
namespace {

int openUnnamed(const std::filesystem::path& folder, int& error) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0)
        return fd;
    error = errno;
    if (error != EOPNOTSUPP && error != EISDIR && error != EINVAL)
        return -1;
    // No O_TMPFILE on this file system: a name for an instant only.
    std::string name = (folder / ".vexa-scratch-XXXXXX").string();
    const int named = ::mkostemp(name.data(), O_CLOEXEC);
    if (named < 0) {
        error = errno;
        return -1;
    }
    ::unlink(name.c_str());
    return named;
}

}  // namespace

ScratchFile::ScratchFile(const std::vector<std::filesystem::path>& folders) {
    for (const auto& folder : folders) {
        if (folder.empty())
            continue;
        fd_ = UniqueFd(openUnnamed(folder, error_));
        if (fd_) {
            error_ = 0;
            return;
        }
    }
    if (error_ == 0)
        error_ = ENOENT;
}

bool ScratchFile::append(const void* data, std::size_t count) {
    const auto* bytes = static_cast<const char*>(data);
    while (count > 0) {
        const ssize_t done = ::pwrite(fd_.get(), bytes, count, static_cast<off_t>(size_));
        if (done < 0) {
            if (errno == EINTR)
                continue;
            error_ = errno;
            return false;
        }
        bytes += done;
        count -= static_cast<std::size_t>(done);
        size_ += static_cast<std::uint64_t>(done);
    }
    return true;
}

bool ScratchFile::readAt(std::uint64_t offset, void* data, std::size_t count) const {
    auto* bytes = static_cast<char*>(data);
    while (count > 0) {
        const ssize_t done = ::pread(fd_.get(), bytes, count, static_cast<off_t>(offset));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            error_ = done < 0 ? errno : EIO;
            return false;
        }
        bytes += done;
        count -= static_cast<std::size_t>(done);
        offset += static_cast<std::uint64_t>(done);
    }
    return true;
}

bool ScratchFile::resize(std::uint64_t count) {
    if (::ftruncate(fd_.get(), static_cast<off_t>(count)) != 0) {
        error_ = errno;
        return false;
    }
    size_ = count;
    return true;
}

}  // namespace vexa
