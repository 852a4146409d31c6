#include "core/files/FolderAt.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace vexa {
namespace {

bool isPlainEntry(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

}  // namespace

UniqueFd OpenFolder(const std::filesystem::path& path) {
    return UniqueFd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

UniqueFd OpenSubFolder(int folder, const std::string& name) {
    if (!isPlainEntry(name)) {
        errno = EINVAL;
        return {};
    }
#ifdef SYS_openat2
    open_how how{};
    how.flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
    const long fd = ::syscall(SYS_openat2, folder, name.c_str(), &how, sizeof how);
    if (fd >= 0)
        return UniqueFd(static_cast<int>(fd));
    if (errno != ENOSYS && errno != EPERM)  // EPERM: a seccomp filter that does not know the call
        return {};
#endif
    return UniqueFd(::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

bool StatAt(int folder, const std::string& name, struct stat& info) {
    return ::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

bool ExistsAt(int folder, const std::string& name) {
    struct stat info {};
    return StatAt(folder, name, info);
}

std::vector<std::string> NamesIn(int folder) {
    std::vector<std::string> names;
    const int copy = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (copy < 0)
        return names;
    DIR* dir = ::fdopendir(copy);
    if (dir == nullptr) {
        ::close(copy);
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

bool RemoveTreeAt(int folder, const std::string& name) {
    if (!isPlainEntry(name)) {
        errno = EINVAL;
        return false;
    }
    struct stat info {};
    if (!StatAt(folder, name, info))
        return errno == ENOENT;
    if (S_ISDIR(info.st_mode)) {
        const UniqueFd inside = OpenSubFolder(folder, name);
        if (!inside)
            return false;
        for (const std::string& entry : NamesIn(inside.get()))
            if (!RemoveTreeAt(inside.get(), entry))
                return false;
        return ::unlinkat(folder, name.c_str(), AT_REMOVEDIR) == 0 || errno == ENOENT;
    }
    return ::unlinkat(folder, name.c_str(), 0) == 0 || errno == ENOENT;
}

void SyncFolder(int folder) { ::fsync(folder); }

}  // namespace vexa
