#include "card/CardFolderSwap.h"

#include "card/CardProblems.h"
#include "files/WriteResult.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace vexa {
namespace {

namespace fs = std::filesystem;

std::string renameProblem(int error, const fs::path& file) { return WriteResult::fromError(error, file).message; }

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// The process's umask, read without changing it (other threads may create files).
mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "Umask:") {
            std::string value;
            status >> value;
            return static_cast<mode_t>(std::stoul(value, nullptr, 8));
        }
        status.ignore(1 << 16, '\n');
    }
    return 022;
}

bool isSubFolder(const fs::directory_entry& entry) {
    std::error_code error;
    return entry.is_directory(error) && !entry.is_symlink(error);
}

// The names in `folder` that are (or are not) sub-folders, sorted.
std::vector<std::string> namesIn(const fs::path& folder, bool subFolders) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (isSubFolder(entry) == subFolders)
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Moves `names` from one folder to another; on a failure moves back those it
// moved and returns the problem.
std::string moveAll(const std::vector<std::string>& names, const fs::path& from, const fs::path& to) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (std::rename((from / names[i]).c_str(), (to / names[i]).c_str()) == 0)
            continue;
        const std::string problem = renameProblem(errno, to / names[i]);
        while (i-- > 0)
            std::rename((to / names[i]).c_str(), (from / names[i]).c_str());
        return problem;
    }
    return {};
}

std::string intoNewFolder(const fs::path& newSet, const fs::path& cardFolder) {
    ::chmod(newSet.c_str(), 0777 & ~currentUmask());
    if (std::rename(newSet.c_str(), cardFolder.c_str()) != 0)
        return renameProblem(errno, cardFolder);
    syncFolder(cardFolder.parent_path());
    return {};
}

std::string fileByFile(const fs::path& newSet, const fs::path& cardFolder) {
    const fs::path aside = newSet / ".previous";
    const std::vector<std::string> newFiles = namesIn(newSet, false);
    if (::mkdir(aside.c_str(), 0700) != 0)
        return renameProblem(errno, aside);
    const std::vector<std::string> oldFiles = namesIn(cardFolder, false);
    if (std::string problem = moveAll(oldFiles, cardFolder, aside); !problem.empty())
        return problem;
    if (std::string problem = moveAll(newFiles, newSet, cardFolder); !problem.empty()) {
        moveAll(oldFiles, aside, cardFolder);
        return problem;
    }
    syncFolder(cardFolder);
    return {};
}

bool exchangeUnsupported(int error) {
    return error == EINVAL || error == ENOSYS || error == EXDEV || error == EBUSY || error == ENOTSUP;
}

bool exchange(const fs::path& a, const fs::path& b) {
    return ::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0;
}

std::string exchangeFolders(const fs::path& newSet, const fs::path& cardFolder) {
    struct stat old {};
    if (::stat(cardFolder.c_str(), &old) != 0)
        return renameProblem(errno, cardFolder);
    ::chmod(newSet.c_str(), old.st_mode & 07777);
    if (::chown(newSet.c_str(), old.st_uid, old.st_gid) != 0) {
        // Another owner is kept only where the user may give the folder away.
    }
    if (!exchange(newSet, cardFolder)) {
        if (exchangeUnsupported(errno))
            return fileByFile(newSet, cardFolder);
        return renameProblem(errno, cardFolder);
    }
    // `newSet` now names the old folder; its sub-folders belong to the Card Folder.
    const std::vector<std::string> subFolders = namesIn(newSet, true);
    if (std::string problem = moveAll(subFolders, newSet, cardFolder); !problem.empty()) {
        exchange(newSet, cardFolder);
        return problem;
    }
    syncFolder(cardFolder);
    syncFolder(cardFolder.parent_path());
    return {};
}

}  // namespace

std::string SwapCardFiles(const fs::path& newSet, const fs::path& cardFolder, SwapMethod method) {
    std::error_code error;
    if (!fs::exists(fs::symlink_status(cardFolder, error)))
        return intoNewFolder(newSet, cardFolder);
    if (method == SwapMethod::FileByFile)
        return fileByFile(newSet, cardFolder);
    return exchangeFolders(newSet, cardFolder);
}

}  // namespace vexa
