#include "core/card/CardFolderSwap.h"

#include "core/card/CardSwapRecord.h"
#include "core/card/WorkFolder.h"
#include "core/files/FileFaults.h"
#include "core/files/FolderAt.h"
#include "core/files/TemporaryName.h"
#include "core/files/WriteResult.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vexa {
namespace {

namespace fs = std::filesystem;
constexpr const char* kAside = ".previous";

std::string problemOf(int error, const fs::path& file) { return WriteResult::fromError(error, file).message; }

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

bool exchangeUnsupported(int error) {
    return error == EINVAL || error == ENOSYS || error == EXDEV || error == EBUSY || error == ENOTSUP;
}

int renameEntry(int fromFolder, const std::string& from, int toFolder, const std::string& to, unsigned flags) {
    if (const int fault = TakeFileFault(FileCall::Rename)) {
        errno = fault;
        return -1;
    }
    if (::renameat2(fromFolder, from.c_str(), toFolder, to.c_str(), flags) == 0)
        return 0;
    if (flags != RENAME_NOREPLACE || errno != EINVAL)
        return -1;
    // A file system without RENAME_NOREPLACE: look first, then rename.
    if (ExistsAt(toFolder, to)) {
        errno = EEXIST;
        return -1;
    }
    return ::renameat(fromFolder, from.c_str(), toFolder, to.c_str());
}

// Moves an entry of the same name from one folder to another, never over an
// existing one.
bool moveEntry(int from, int to, const std::string& name) {
    return renameEntry(from, name, to, name, RENAME_NOREPLACE) == 0;
}

bool isFolder(int folder, const std::string& name) {
    struct stat info {};
    return StatAt(folder, name, info) && S_ISDIR(info.st_mode);
}

// Entries of a card folder that belong to a creation (ours or another's) or
// to a file replacement, not to the card.
bool isWorkEntry(const std::string& name) {
    return WorkFolderOwner(name) || WorkFolderOfRecord(name) || TemporaryOwner(name) ||
           (name.ends_with(".swap.new") && WorkFolderOfRecord(name.substr(0, name.size() - 4)));
}

std::vector<std::string> subFolders(int folder) {
    std::vector<std::string> names;
    for (const std::string& name : NamesIn(folder))
        if (isFolder(folder, name) && !isWorkEntry(name))
            names.push_back(name);
    return names;
}

std::vector<std::string> cardFiles(int folder) {
    std::vector<std::string> names;
    for (const std::string& name : NamesIn(folder))
        if (!isFolder(folder, name) && !isWorkEntry(name))
            names.push_back(name);
    return names;
}

// Moves every sub-folder from one folder to the other; the first failure's
// problem, naming the folder where it was going.
std::string moveSubFolders(int from, int to, const fs::path& shownTo) {
    for (const std::string& name : subFolders(from))
        if (!moveEntry(from, to, name))
            return problemOf(errno, shownTo / name);
    return {};
}

// The work folder and the record are removed once nothing in them is needed.
std::string finish(int place, const fs::path& shownPlace, const std::string& workFolder) {
    if (!RemoveTreeAt(place, workFolder))
        return problemOf(errno, shownPlace / workFolder);
    ::unlinkat(place, SwapRecordName(workFolder).c_str(), 0);
    SyncFolder(place);
    return {};
}

std::string keptAside(const fs::path& shownPlace, const std::string& workFolder, const std::string& problem) {
    return problem + "\n元のファイルは「" + (shownPlace / workFolder / kAside).string() +
           "」に残っています。次のコントロールデータ作成で元に戻します。";
}

UniqueFd cardFolderFd(int place, const std::string& cardFolder) {
    if (cardFolder == ".")
        return UniqueFd(::openat(place, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return OpenSubFolder(place, cardFolder);
}

std::string settleExchange(int place, const fs::path& shownPlace, const std::string& workFolder,
                           const CardSwapRecord& record, bool undo) {
    struct stat card {};
    const bool exchanged = StatAt(place, record.cardFolder, card) && card.st_dev == record.device &&
                           card.st_ino == record.inode;
    if (!exchanged)
        return finish(place, shownPlace, workFolder);  // the work folder still holds only the new set
    const fs::path shownCard = shownPlace / record.cardFolder;
    const UniqueFd old = OpenSubFolder(place, workFolder);
    const UniqueFd live = OpenSubFolder(place, record.cardFolder);
    if (!old || !live)
        return problemOf(errno, shownCard);
    if (!undo) {
        if (std::string problem = moveSubFolders(old.get(), live.get(), shownCard); !problem.empty())
            return problem;
        return finish(place, shownPlace, workFolder);
    }
    if (std::string problem = moveSubFolders(live.get(), old.get(), shownPlace / workFolder); !problem.empty())
        return problem;
    if (renameEntry(place, workFolder, place, record.cardFolder, RENAME_EXCHANGE) != 0)
        return problemOf(errno, shownCard);
    SyncFolder(place);
    return finish(place, shownPlace, workFolder);
}

std::string settleFiles(int place, const fs::path& shownPlace, const std::string& workFolder,
                        const CardSwapRecord& record, bool undo) {
    const fs::path shownCard = record.cardFolder == "." ? shownPlace : shownPlace / record.cardFolder;
    const UniqueFd work = OpenSubFolder(place, workFolder);
    if (!work) {
        if (errno != ENOENT)
            return problemOf(errno, shownPlace / workFolder);
        ::unlinkat(place, SwapRecordName(workFolder).c_str(), 0);  // removed already: only the record was left
        return {};
    }
    const UniqueFd card = cardFolderFd(place, record.cardFolder);
    if (!card)
        return keptAside(shownPlace, workFolder, problemOf(errno, shownCard));
    bool allMovedIn = true;
    for (const std::string& name : record.newFiles)
        allMovedIn = allMovedIn && !ExistsAt(work.get(), name);
    if (allMovedIn && !undo)
        return finish(place, shownPlace, workFolder);
    for (const std::string& name : record.newFiles)
        if (!ExistsAt(work.get(), name) && ExistsAt(card.get(), name) && !moveEntry(card.get(), work.get(), name))
            return keptAside(shownPlace, workFolder, problemOf(errno, shownCard / name));
    if (const UniqueFd aside = OpenSubFolder(work.get(), kAside)) {
        for (const std::string& name : NamesIn(aside.get()))
            if (!moveEntry(aside.get(), card.get(), name))
                return keptAside(shownPlace, workFolder, problemOf(errno, shownCard / name));
    }
    SyncFolder(card.get());
    return finish(place, shownPlace, workFolder);
}

class Swap {
public:
    explicit Swap(const SwapPlaces& places) : p_(places) {}

    std::string run(SwapMethod method) {
        work_ = OpenSubFolder(p_.place, p_.workFolder);
        if (!work_)
            return problemOf(errno, p_.shownCardFolder);
        if (p_.cardFolder != "." && !ExistsAt(p_.place, p_.cardFolder))
            return intoNewFolder();
        card_ = cardFolderFd(p_.place, p_.cardFolder);
        if (!card_)
            return abandon(problemOf(errno, p_.shownCardFolder));
        if (method == SwapMethod::Exchange && p_.cardFolder != ".")
            return exchange();
        return fileByFile();
    }

private:
    // Nothing of the Card Folder was touched yet: the new set goes.
    std::string abandon(const std::string& problem) {
        work_.reset();
        ::unlinkat(p_.place, SwapRecordName(p_.workFolder).c_str(), 0);
        RemoveTreeAt(p_.place, p_.workFolder);
        return problem;
    }

    std::string undo(const std::string& problem) {
        work_.reset();
        card_.reset();
        const std::string left = SettleCardSwap(p_.place, shownPlace(), p_.workFolder, true);
        return left.empty() ? problem : problem + "\n" + left;
    }

    fs::path shownPlace() const {
        return p_.cardFolder == "." ? p_.shownCardFolder : p_.shownCardFolder.parent_path();
    }

    bool writeRecord(CardSwapRecord::Method method) {
        struct stat set {};
        if (::fstat(work_.get(), &set) != 0)
            return false;
        CardSwapRecord record{method, p_.cardFolder, set.st_dev, set.st_ino, NamesIn(work_.get())};
        return WriteCardSwapRecord(p_.place, SwapRecordName(p_.workFolder), record);
    }

    std::string intoNewFolder() {
        ::fchmod(work_.get(), 0777 & ~currentUmask());
        if (renameEntry(p_.place, p_.workFolder, p_.place, p_.cardFolder, RENAME_NOREPLACE) != 0)
            return abandon(problemOf(errno, p_.shownCardFolder));
        SyncFolder(p_.place);
        return {};
    }

    std::string exchange() {
        struct stat old {};
        if (::fstat(card_.get(), &old) != 0)
            return abandon(problemOf(errno, p_.shownCardFolder));
        ::fchmod(work_.get(), old.st_mode & 07777);
        if (::fchown(work_.get(), old.st_uid, old.st_gid) != 0) {
            // Another owner is kept only where the user may give the folder away.
        }
        if (!writeRecord(CardSwapRecord::Method::Exchange))
            return abandon(problemOf(errno, p_.shownCardFolder));
        if (renameEntry(p_.place, p_.workFolder, p_.place, p_.cardFolder, RENAME_EXCHANGE) != 0) {
            if (exchangeUnsupported(errno))
                return fileByFile();
            return undo(problemOf(errno, p_.shownCardFolder));
        }
        SyncFolder(p_.place);
        // The descriptors follow the folders: `card_` is now the old set, `work_` the Card Folder.
        if (std::string problem = moveSubFolders(card_.get(), work_.get(), p_.shownCardFolder); !problem.empty())
            return undo(problem);
        SyncFolder(work_.get());
        work_.reset();
        card_.reset();
        finish(p_.place, shownPlace(), p_.workFolder);  // what it cannot remove, the next run does
        return {};
    }

    std::string fileByFile() {
        if (!writeRecord(CardSwapRecord::Method::FileByFile))
            return abandon(problemOf(errno, p_.shownCardFolder));
        const std::vector<std::string> newFiles = cardFiles(work_.get());
        if (::mkdirat(work_.get(), kAside, 0700) != 0)
            return undo(problemOf(errno, p_.shownCardFolder));
        const UniqueFd aside = OpenSubFolder(work_.get(), kAside);
        if (!aside)
            return undo(problemOf(errno, p_.shownCardFolder));
        for (const std::string& name : cardFiles(card_.get()))
            if (!moveEntry(card_.get(), aside.get(), name))
                return undo(problemOf(errno, p_.shownCardFolder / name));
        for (const std::string& name : newFiles)
            if (!moveEntry(work_.get(), card_.get(), name))
                return undo(problemOf(errno, p_.shownCardFolder / name));
        SyncFolder(card_.get());
        work_.reset();
        card_.reset();
        finish(p_.place, shownPlace(), p_.workFolder);  // what it cannot remove, the next run does
        return {};
    }

    const SwapPlaces& p_;
    UniqueFd work_;
    UniqueFd card_;
};

}  // namespace

std::string SwapCardFiles(const SwapPlaces& places, SwapMethod method) { return Swap(places).run(method); }

std::string SettleCardSwap(int place, const fs::path& shownPlace, const std::string& workFolder, bool undo) {
    const auto record = ReadCardSwapRecord(place, SwapRecordName(workFolder));
    ::unlinkat(place, (SwapRecordName(workFolder) + ".new").c_str(), 0);
    if (!record) {
        // Cut short before the Card Folder was touched: the folder holds only new files.
        const UniqueFd work = OpenSubFolder(place, workFolder);
        if (work && !subFolders(work.get()).empty())
            return "「" + (shownPlace / workFolder).string() + "」にはフォルダーが含まれているため、削除しませんでした。";
        return finish(place, shownPlace, workFolder);
    }
    if (record->method == CardSwapRecord::Method::Exchange)
        return settleExchange(place, shownPlace, workFolder, *record, undo);
    return settleFiles(place, shownPlace, workFolder, *record, undo);
}

}  // namespace vexa
