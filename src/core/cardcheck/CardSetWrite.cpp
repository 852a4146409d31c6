#include "core/cardcheck/CardSetWrite.h"

#include "core/card/CardFileCopy.h"
#include "core/card/CardFolder.h"
#include "core/card/CardFolderName.h"
#include "core/card/CardProblems.h"
#include "core/card/FreeSpace.h"
#include "core/files/FolderAt.h"
#include "core/files/TemporaryName.h"
#include "core/files/WriteResult.h"
#include "core/controlfile/ControlFileReader.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <set>
#include <unistd.h>

namespace vexa {
namespace {

namespace fs = std::filesystem;
using Outcome = CardSetWriteResult::Outcome;

std::string lowered(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return name;
}

struct NewFile {
    std::string name;
    std::uint64_t bytes = 0;
    std::string temporary;
    bool written = false;
};

class SetWrite {
public:
    SetWrite(const CardSetWriteJob& job, Progress& progress) : job_(job), progress_(progress) {}

    CardSetWriteResult run() {
        if (std::string problem = open(); !problem.empty())
            return failed(problem);
        if (std::string problem = measure(); !problem.empty())
            return failed(problem);
        findOldSet();
        if (std::string problem = checkSpace(); !problem.empty())
            return failed(problem);
        if (std::string problem = copy(); !problem.empty())
            return removeTemporaries(stopped_ ? CardSetWriteResult{Outcome::Stopped, {}, {}} : failed(problem));
        if (::syncfs(card_.get()) != 0)
            return removeTemporaries(failed(WriteResult::fromError(errno, job_.card).message));
        if (std::string problem = putInPlace(); !problem.empty())
            return failed(problem);
        removeOldOnly();
        ::syncfs(card_.get());
        return {Outcome::Written, {}, removed_};
    }

private:
    static CardSetWriteResult failed(std::string problem) { return {Outcome::Failed, std::move(problem), {}}; }

    std::string open() {
        source_ = OpenFolder(job_.cardFolder);
        if (!source_)
            return WriteResult::fromError(errno, job_.cardFolder).message;
        card_ = OpenFolder(job_.card);
        if (!card_)
            return WriteResult::fromError(errno, job_.card).message;
        if (::faccessat(card_.get(), ".", W_OK, AT_EACCESS) != 0)
            return errno == EROFS ? cardproblem::readOnlyFolder(job_.card)
                                  : WriteResult::fromError(errno, job_.card).message;
        RemoveStaleTemporaries(card_.get());
        return {};
    }

    // The set's files in the Card Folder: plain names, regular files, their sizes.
    std::string measure() {
        std::vector<std::string> names;
        for (const CardSound& sound : CardSounds(job_.project))
            names.push_back(sound.fileName);
        names.push_back(ControlFileName(job_.project.card.cardName));  // last: put in place last
        for (const std::string& name : names) {
            if (!IsPlainName(name))
                return "「" + (job_.card / name).string() + "」はカードに書けない名前です。";
            struct stat info {};
            if (!StatAt(source_.get(), name, info))
                return cardproblem::cannotRead(job_.cardFolder / name, errno);
            if (!S_ISREG(info.st_mode))
                return cardproblem::cannotRead(job_.cardFolder / name, EISDIR);
            files_.push_back({name, static_cast<std::uint64_t>(info.st_size), {}, false});
        }
        return {};
    }

    // The old Control Files on the card and the WAVE files they name.
    void findOldSet() {
        std::set<std::string> newNames;
        for (const NewFile& file : files_)
            newNames.insert(lowered(file.name));
        const std::vector<std::string> names = NamesIn(card_.get());
        for (const std::string& name : names) {
            if (!lowered(name).ends_with(".vxa"))
                continue;
            oldSet_.insert(name);
            Project old;
            if (!LoadKtrFile(job_.card / name, old, job_.settings))
                continue;  // its WAVE files cannot be told: they stay
            for (const CardSound& sound : CardSounds(old))
                if (std::binary_search(names.begin(), names.end(), sound.fileName))
                    oldSet_.insert(sound.fileName);
        }
        for (const std::string& name : names)
            if (newNames.count(lowered(name)) != 0)
                oldSet_.insert(name);  // replaced by a new file of that name
    }

    std::string checkSpace() {
        const auto space = FreeSpaceOf(card_.get());
        if (!space)
            return WriteResult::fromError(errno, job_.card).message;
        std::vector<std::uint64_t> sizes;
        for (const NewFile& file : files_)
            sizes.push_back(file.bytes);
        const std::uint64_t needed = BytesOnDisk(sizes, space->blockSize);
        if (needed <= space->available)
            return {};
        std::uint64_t replaced = 0;
        for (const std::string& name : oldSet_) {
            struct stat info {};
            if (StatAt(card_.get(), name, info))
                replaced += (static_cast<std::uint64_t>(info.st_size) + space->blockSize - 1) / space->blockSize *
                            space->blockSize;
        }
        std::string text = cardproblem::noSpace(job_.card, needed, space->available);
        if (replaced > 0)
            text += "\n置き換える古いファイル（" + std::to_string(replaced) +
                    " バイト）は、新しいファイルがすべてカードに書けるまで残すため、空きに数えられません。" +
                    (needed <= space->available + replaced ? "古いセットをカードから削除してから書き込んでください。" : "");
        return text;
    }

    std::string copy() {
        std::uint64_t total = 0, done = 0;
        for (const NewFile& file : files_)
            total += file.bytes;
        unsigned serial = 0;
        for (NewFile& file : files_) {
            if (progress_.stopRequested()) {
                stopped_ = true;
                return "stopped";
            }
            progress_.setCaption("カードへ書き込み中　" + file.name);
            file.temporary = TemporaryName(file.name, ::getpid(), serial++);
            const fs::path shown = job_.card / file.name;
            const CopyOutcome copied =
                CopyCardFile(job_.cardFolder / file.name, card_.get(), file.temporary, shown, file.bytes, progress_);
            file.written = copied.copied || ExistsAt(card_.get(), file.temporary);
            if (copied.stopped) {
                stopped_ = true;
                return "stopped";
            }
            if (!copied.copied)
                return copied.problem;
            done += file.bytes;
            progress_.setValue(static_cast<int>(total == 0 ? 100 : done * 100 / total));
        }
        return {};
    }

    CardSetWriteResult removeTemporaries(CardSetWriteResult result) {
        for (const NewFile& file : files_)
            if (file.written)
                ::unlinkat(card_.get(), file.temporary.c_str(), 0);
        return result;
    }

    // Each temporary over its name; where the card's file system will not
    // rename over an existing file, the old file goes first.
    std::string putInPlace() {
        for (NewFile& file : files_) {
            if (::renameat(card_.get(), file.temporary.c_str(), card_.get(), file.name.c_str()) == 0)
                continue;
            const int error = errno;
            if (ExistsAt(card_.get(), file.name) && ::unlinkat(card_.get(), file.name.c_str(), 0) == 0 &&
                ::renameat(card_.get(), file.temporary.c_str(), card_.get(), file.name.c_str()) == 0)
                continue;
            return WriteResult::fromError(error, job_.card / file.name).message +
                   "\n新しいファイルは「" + (job_.card / file.temporary).string() + "」に残っています。";
        }
        return {};
    }

    void removeOldOnly() {
        // A name the new set holds in any case is never removed: on a FAT card
        // it is the new file itself.
        std::set<std::string> kept;
        for (const NewFile& file : files_)
            kept.insert(lowered(file.name));
        for (const std::string& name : oldSet_) {
            if (kept.count(lowered(name)) != 0)
                continue;
            struct stat info {};
            if (StatAt(card_.get(), name, info) && S_ISREG(info.st_mode) && ::unlinkat(card_.get(), name.c_str(), 0) == 0)
                removed_.push_back(name);
        }
    }

    const CardSetWriteJob& job_;
    Progress& progress_;
    UniqueFd source_;
    UniqueFd card_;
    std::vector<NewFile> files_;
    std::set<std::string> oldSet_;
    std::vector<std::string> removed_;
    bool stopped_ = false;
};

}  // namespace

CardSetWriteResult WriteCardSet(const CardSetWriteJob& job, Progress& progress) {
    progress.setValue(0);
    SetWrite write(job, progress);
    return write.run();
}

}  // namespace vexa
