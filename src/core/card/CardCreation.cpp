#include "card/CardCreation.h"

#include "card/CardFileCopy.h"
#include "card/CardProblems.h"
#include "card/FreeSpace.h"
#include "card/WorkFolder.h"
#include "config/Messages.h"
#include "model/ControlFileWriter.h"
#include "text/Cp932.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace vexa {
namespace {

namespace fs = std::filesystem;
using Outcome = CardCreationResult::Outcome;

// The bar in steps of the whole run, shown to Progress in percent.
class StepBar {
public:
    StepBar(Progress& progress, int maximum) : progress_(progress), maximum_(std::max(maximum, 1)) {
        progress_.setValue(0);
    }
    void advance() {
        step_ = std::min(step_ + 1, maximum_);
        progress_.setValue(step_ * 100 / maximum_);
    }

private:
    Progress& progress_;
    int maximum_;
    int step_ = 0;
};

struct Failure {
    std::string problem;
};

struct SetFile {
    std::string name;
    fs::path source;  // empty for the Control File
    std::uint64_t bytes = 0;
};

std::optional<std::string> readWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class Creation {
public:
    Creation(const CardJob& job, Progress& progress, SwapMethod method)
        : job_(job), progress_(progress), method_(method), bar_(progress, job.barMaximum()) {}

    CardCreationResult run() {
        progress_.setCaption(GetMsg(msg::kCardInitialising));
        if (auto failure = measure())
            return failed(*failure);
        if (auto failure = locate())
            return failed(*failure);
        if (auto failure = checkSpace())
            return failed(*failure);
        WorkFolder work(place_, job_.cardFolder.filename().string());
        if (!work.created())
            return failed({work.problem()});
        if (stopped())
            return {Outcome::Stopped, {}};
        if (auto failure = gather(work.path()))
            return stopped_ ? CardCreationResult{Outcome::Stopped, {}} : failed(*failure);
        if (auto failure = check(work.path()))
            return stopped_ ? CardCreationResult{Outcome::Stopped, {}} : failed(*failure);
        if (auto failure = flush(work.path()))
            return failed(*failure);
        if (std::string problem = SwapCardFiles(work.path(), cardFolder_, method_); !problem.empty())
            return failed({problem});
        return {Outcome::Completed, {}};
    }

private:
    static CardCreationResult failed(const Failure& failure) { return {Outcome::Failed, failure.problem}; }

    bool stopped() {
        if (progress_.stopRequested())
            stopped_ = true;
        return stopped_;
    }

    // The Control File's bytes and every source's size, before anything is written.
    std::optional<Failure> measure() {
        const auto text = ControlFileText(job_.project, job_.settings);
        if (!text)
            return Failure{WriteResult::failure(WriteProblem::InvalidContent, job_.cardFolder / job_.controlFileName)
                               .message};
        controlBytes_ = cp932::fromUtf8(*text);
        files_.push_back({job_.controlFileName, {}, controlBytes_.size()});
        for (const CardSound& sound : job_.sounds) {
            struct stat info {};
            if (::stat(sound.source.c_str(), &info) != 0)
                return Failure{cardproblem::cannotRead(sound.source, errno)};
            if (!S_ISREG(info.st_mode))
                return Failure{cardproblem::cannotRead(sound.source, EISDIR)};
            files_.push_back({sound.fileName, sound.source, static_cast<std::uint64_t>(info.st_size)});
        }
        return std::nullopt;
    }

    // Where the work folder goes: beside the Card Folder, or inside it when it
    // is a file system of its own or its parent may not be written.
    std::optional<Failure> locate() {
        std::error_code error;
        cardFolder_ = job_.cardFolder;
        const fs::file_status status = fs::status(cardFolder_, error);
        if (!fs::exists(status)) {
            place_ = cardFolder_.parent_path();
            if (!fs::is_directory(place_, error))
                return Failure{cardproblem::missingFolder(place_)};
            return std::nullopt;
        }
        if (!fs::is_directory(status))
            return Failure{cardproblem::notAFolder(cardFolder_)};
        cardFolder_ = fs::canonical(cardFolder_, error);  // a link to the folder stays a link
        if (error)
            return Failure{WriteResult::fromError(error.value(), job_.cardFolder).message};
        if (auto failure = checkWritable(cardFolder_))
            return failure;
        for (const SetFile& file : files_)
            if (fs::is_directory(fs::symlink_status(cardFolder_ / file.name, error)))
                return Failure{cardproblem::folderInTheWay(cardFolder_ / file.name)};
        struct stat folder {}, parent {};
        const bool sameSystem = ::stat(cardFolder_.c_str(), &folder) == 0 &&
                                ::stat(cardFolder_.parent_path().c_str(), &parent) == 0 &&
                                folder.st_dev == parent.st_dev;
        place_ = sameSystem && ::access(cardFolder_.parent_path().c_str(), W_OK) == 0 ? cardFolder_.parent_path()
                                                                                       : cardFolder_;
        if (place_ == cardFolder_)
            method_ = SwapMethod::FileByFile;
        return std::nullopt;
    }

    static std::optional<Failure> checkWritable(const fs::path& folder) {
        struct stat info {};
        if (::stat(folder.c_str(), &info) == 0 && (info.st_mode & 0222) == 0)
            return Failure{cardproblem::readOnlyFolder(folder)};
        if (::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) != 0)
            return Failure{errno == EROFS ? cardproblem::readOnlyFolder(folder)
                                          : WriteResult::fromError(errno, folder).message};
        return std::nullopt;
    }

    std::optional<Failure> checkSpace() {
        const auto space = FreeSpaceAt(place_);
        if (!space)
            return Failure{WriteResult::fromError(errno, place_).message};
        std::vector<std::uint64_t> sizes;
        for (const SetFile& file : files_)
            sizes.push_back(file.bytes);
        const std::uint64_t needed = BytesOnDisk(sizes, space->blockSize);
        if (needed > space->available)
            return Failure{cardproblem::noSpace(cardFolder_, needed, space->available)};
        return std::nullopt;
    }

    std::optional<Failure> gather(const fs::path& work) {
        progress_.setCaption(GetMsg(msg::kCardWritingControl, job_.controlFileName));
        if (const WriteResult written = WriteControlFile(job_.project, job_.settings, work / job_.controlFileName);
            !written)
            return Failure{cardproblem::shownAs(written.message, work / job_.controlFileName,
                                                cardFolder_ / job_.controlFileName)};
        bar_.advance();
        for (std::size_t i = 1; i < files_.size(); ++i) {
            if (stopped())
                return Failure{};
            const CopyOutcome copy = CopyCardFile(files_[i].source, work / files_[i].name, files_[i].bytes, progress_);
            stopped_ = copy.stopped;
            if (!copy.copied)
                return Failure{cardproblem::shownAs(copy.problem, work / files_[i].name, cardFolder_ / files_[i].name)};
            bar_.advance();
        }
        return std::nullopt;
    }

    // Each file of the set, in name order, has the size it must have; the
    // Control File reads back as written.
    std::optional<Failure> check(const fs::path& work) {
        std::vector<const SetFile*> byName;
        for (const SetFile& file : files_)
            byName.push_back(&file);
        std::sort(byName.begin(), byName.end(), [](const SetFile* a, const SetFile* b) { return a->name < b->name; });
        for (const SetFile* file : byName) {
            if (stopped())
                return Failure{};
            progress_.setCaption(GetMsg(msg::kCardCopying, file->name));
            const fs::path copy = work / file->name;
            if (file->source.empty()) {
                const auto bytes = readWhole(copy);
                if (!bytes || *bytes != controlBytes_)
                    return Failure{cardproblem::readBackMismatch(copy)};
            } else {
                std::error_code error;
                const auto size = fs::file_size(copy, error);
                if (error || size != file->bytes)
                    return Failure{cardproblem::sizeMismatch(copy, file->bytes, error ? 0 : size)};
            }
            bar_.advance();
        }
        return std::nullopt;
    }

    // The new set reaches the disk before it replaces the old one.
    std::optional<Failure> flush(const fs::path& work) {
        const int fd = ::open(work.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return Failure{WriteResult::fromError(errno, cardFolder_).message};
        const int error = ::syncfs(fd) == 0 ? 0 : errno;
        ::close(fd);
        if (error != 0)
            return Failure{WriteResult::fromError(error, cardFolder_).message};
        return std::nullopt;
    }

    const CardJob& job_;
    Progress& progress_;
    SwapMethod method_;
    StepBar bar_;
    bool stopped_ = false;
    std::string controlBytes_;
    std::vector<SetFile> files_;  // the Control File first, then the sounds in index order
    fs::path cardFolder_;
    fs::path place_;
};

}  // namespace

CardCreationResult CreateCard(const CardJob& job, Progress& progress, SwapMethod method) {
    return Creation(job, progress, method).run();
}

Refusal CardFailureRefusal(const std::string& problem) {
    return Refusal::error(msg::kControlDataFailed, "\n" + problem + "\n作成フォルダの内容は変更していません。");
}

MessageRequest CardDoneMessage(const std::filesystem::path& cardFolder) {
    return {GetMsg(msg::kCardDone) + GetMsg(msg::kCardFolderLabel, cardFolder.string() + "  "),
            GetMsg(msg::kCardDoneTitle), MessageIcon::Warning, MessageButtons::Ok};
}

}  // namespace vexa
