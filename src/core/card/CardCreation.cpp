#include "core/card/CardCreation.h"

#include "core/card/CardFileCopy.h"
#include "core/card/CardFolderName.h"
#include "core/card/CardProblems.h"
#include "core/card/CardSwapRecovery.h"
#include "core/card/FreeSpace.h"
#include "core/card/WorkFolder.h"
#include "core/cardcheck/CardVerification.h"
#include "core/config/Messages.h"
#include "core/files/FolderAt.h"
#include "core/files/InputFile.h"
#include "core/controlfile/ControlFileWriter.h"
#include "core/text/Cp932.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
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

std::string nameProblem(const fs::path& shown) {
    return "「" + shown.string() + "」はカードに書けない名前です：フォルダーの中の１つの名前でなければなりません。";
}

std::string linkProblem(const fs::path& shown) {
    return "「" + shown.string() +
           "」はフォルダーへのシンボリックリンクです：コントロールデータはカードデータフォルダの中のフォルダーにだけ作成します。";
}

std::string leftoversText(const fs::path& shownPlace, const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += "\n以前の作成の作業フォルダ「" + (shownPlace / name).string() + "」が残っています。";
    return text;
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
        WorkFolder work(place(), shownPlace(), job_.folderName);
        if (!work.created())
            return failed({work.problem()});
        if (stopped())
            return {Outcome::Stopped, {}, {}};
        if (auto failure = gather(work.fd()))
            return stopped_ ? CardCreationResult{Outcome::Stopped, {}, {}} : failed(*failure);
        if (auto failure = check(work.fd()))
            return stopped_ ? CardCreationResult{Outcome::Stopped, {}, {}} : failed(*failure);
        if (auto failure = flush(work.fd()))
            return failed(*failure);
        work.handOver();
        const SwapPlaces places{place(), work.name(), inside_ ? "." : job_.folderName, job_.cardFolder};
        if (std::string problem = SwapCardFiles(places, method_); !problem.empty())
            return failed({problem});
        if (std::string problem = readBack(); !problem.empty())
            return {Outcome::Failed, problem, {}, true};
        return {Outcome::Completed, {}, {}};
    }

private:
    static CardCreationResult failed(const Failure& failure) { return {Outcome::Failed, failure.problem, {}}; }

    bool stopped() {
        if (progress_.stopRequested())
            stopped_ = true;
        return stopped_;
    }

    int place() const { return inside_ ? card_.get() : data_.get(); }
    fs::path shownPlace() const { return inside_ ? job_.cardFolder : job_.cardDataFolder; }

    // The Control File's bytes and every source's size, before anything is
    // written; every name of the set is one plain name.
    std::optional<Failure> measure() {
        if (!IsPlainName(job_.folderName))
            return Failure{nameProblem(job_.cardFolder)};
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
        for (const SetFile& file : files_)
            if (!IsPlainName(file.name))
                return Failure{nameProblem(job_.cardFolder / file.name)};
        return std::nullopt;
    }

    // Opens the card data folder, settles what interrupted creations left
    // there, and decides where the work folder goes: beside the Card Folder,
    // or inside it when it is a file system of its own or the card data
    // folder may not be written.
    std::optional<Failure> locate() {
        data_ = OpenFolder(job_.cardDataFolder);
        if (!data_)
            return Failure{errno == ENOENT ? cardproblem::missingFolder(job_.cardDataFolder)
                                           : WriteResult::fromError(errno, job_.cardDataFolder).message};
        recovery_ = RecoverStaleWorkFolders(data_.get(), job_.cardDataFolder);
        struct stat status {};
        if (!StatAt(data_.get(), job_.folderName, status)) {
            if (errno != ENOENT)
                return Failure{WriteResult::fromError(errno, job_.cardFolder).message};
            return checkWritable(data_.get(), job_.cardDataFolder);
        }
        if (S_ISLNK(status.st_mode))
            return Failure{linkProblem(job_.cardFolder)};
        if (!S_ISDIR(status.st_mode))
            return Failure{cardproblem::notAFolder(job_.cardFolder)};
        card_ = OpenSubFolder(data_.get(), job_.folderName);
        if (!card_)
            return Failure{WriteResult::fromError(errno, job_.cardFolder).message};
        const CardRecovery inside = RecoverStaleWorkFolders(card_.get(), job_.cardFolder);
        recovery_.settled.insert(recovery_.settled.end(), inside.settled.begin(), inside.settled.end());
        recovery_.problems.insert(recovery_.problems.end(), inside.problems.begin(), inside.problems.end());
        if (auto failure = checkWritable(card_.get(), job_.cardFolder))
            return failure;
        for (const SetFile& file : files_) {
            struct stat entry {};
            if (StatAt(card_.get(), file.name, entry) && S_ISDIR(entry.st_mode))
                return Failure{cardproblem::folderInTheWay(job_.cardFolder / file.name)};
        }
        struct stat folder {}, parent {};
        const bool sameSystem = ::fstat(card_.get(), &folder) == 0 && ::fstat(data_.get(), &parent) == 0 &&
                                folder.st_dev == parent.st_dev;
        inside_ = !sameSystem || ::faccessat(data_.get(), ".", W_OK, AT_EACCESS) != 0;
        if (inside_)
            method_ = SwapMethod::FileByFile;
        return std::nullopt;
    }

    static std::optional<Failure> checkWritable(int folder, const fs::path& shown) {
        struct stat info {};
        if (::fstat(folder, &info) == 0 && (info.st_mode & 0222) == 0)
            return Failure{cardproblem::readOnlyFolder(shown)};
        if (::faccessat(folder, ".", W_OK, AT_EACCESS) != 0)
            return Failure{errno == EROFS ? cardproblem::readOnlyFolder(shown)
                                          : WriteResult::fromError(errno, shown).message};
        return std::nullopt;
    }

    std::optional<Failure> checkSpace() {
        const auto space = FreeSpaceOf(place());
        if (!space)
            return Failure{WriteResult::fromError(errno, shownPlace()).message};
        std::vector<std::uint64_t> sizes;
        for (const SetFile& file : files_)
            sizes.push_back(file.bytes);
        const std::uint64_t needed = BytesOnDisk(sizes, space->blockSize);
        if (needed > space->available)
            return Failure{cardproblem::noSpace(job_.cardFolder, needed, space->available) +
                           leftoversText(shownPlace(), WorkFoldersIn(place()))};
        return std::nullopt;
    }

    std::optional<Failure> gather(int work) {
        progress_.setCaption(GetMsg(msg::kCardWritingControl, job_.controlFileName));
        if (std::string problem =
                WriteCardFile(work, job_.controlFileName, controlBytes_, job_.cardFolder / job_.controlFileName);
            !problem.empty())
            return Failure{problem};
        bar_.advance();
        for (std::size_t i = 1; i < files_.size(); ++i) {
            if (stopped())
                return Failure{};
            const CopyOutcome copy = CopyCardFile(files_[i].source, work, files_[i].name,
                                                  job_.cardFolder / files_[i].name, files_[i].bytes, progress_);
            stopped_ = copy.stopped;
            if (!copy.copied)
                return Failure{copy.problem};
            bar_.advance();
        }
        return std::nullopt;
    }

    // Each file of the set, in name order, has the size it must have; the
    // Control File reads back as written.
    std::optional<Failure> check(int work) {
        std::vector<const SetFile*> byName;
        for (const SetFile& file : files_)
            byName.push_back(&file);
        std::sort(byName.begin(), byName.end(), [](const SetFile* a, const SetFile* b) { return a->name < b->name; });
        for (const SetFile* file : byName) {
            if (stopped())
                return Failure{};
            progress_.setCaption(GetMsg(msg::kCardCopying, file->name));
            const fs::path shown = job_.cardFolder / file->name;
            if (file->source.empty()) {
                InputFile copy(work, file->name, controlBytes_.size());
                const auto bytes = copy ? copy.readAll() : std::nullopt;
                if (!bytes || *bytes != controlBytes_)
                    return Failure{cardproblem::readBackMismatch(shown)};
            } else {
                struct stat info {};
                const bool measured = StatAt(work, file->name, info) && S_ISREG(info.st_mode);
                if (!measured || static_cast<std::uint64_t>(info.st_size) != file->bytes)
                    return Failure{cardproblem::sizeMismatch(
                        shown, file->bytes, measured ? static_cast<std::uint64_t>(info.st_size) : 0)};
            }
            bar_.advance();
        }
        return std::nullopt;
    }

    // The Card Folder after the swap holds exactly the set: its files read
    // back from the folder as the user will find it, not from the work folder.
    std::string readBack() {
        CardVerifyRequest request;
        request.folder = job_.cardFolder;
        request.project = job_.project;
        request.settings = job_.settings;
        request.scope = CheckScope::SetOnly;
        NoProgress quiet;
        std::string problems;
        for (const CardFinding& finding : VerifyCard(request, quiet).findings)
            if (finding.severity == Severity::Error)
                problems += "\n「" + finding.file + "」：" + finding.text;
        if (problems.empty())
            return {};
        return "作成したカードフォルダを読み直すと、書いた内容と違います：" + problems;
    }

    // The new set reaches the disk before it replaces the old one.
    std::optional<Failure> flush(int work) {
        if (::syncfs(work) != 0)
            return Failure{WriteResult::fromError(errno, job_.cardFolder).message};
        return std::nullopt;
    }

    const CardJob& job_;
    Progress& progress_;
    SwapMethod method_;
    StepBar bar_;
    bool stopped_ = false;
    bool inside_ = false;  // the work folder lives in the Card Folder
    std::string controlBytes_;
    std::vector<SetFile> files_;  // the Control File first, then the sounds in index order
    UniqueFd data_;               // the card data folder
    UniqueFd card_;               // the Card Folder, when it exists
    CardRecovery recovery_;

public:
    std::string recoveryText() const { return CardRecoveryText(recovery_); }
};

}  // namespace

CardCreationResult CreateCard(const CardJob& job, Progress& progress, SwapMethod method) {
    Creation creation(job, progress, method);
    CardCreationResult result = creation.run();
    result.recovery = creation.recoveryText();
    return result;
}

Refusal CardFailureRefusal(const std::string& problem, bool folderChanged) {
    return Refusal::error(msg::kControlDataFailed,
                          "\n" + problem +
                              (folderChanged ? "\n作成フォルダの内容は書き換えましたが、正しくありません。このままカードに使わないでください。"
                                             : "\n作成フォルダの内容は変更していません。"));
}

std::string ReplacedFolderLine(const std::filesystem::path& cardFolder) {
    return "\n" + cardFolder.string();
}

MessageRequest CardDoneMessage(const std::filesystem::path& cardFolder) {
    return {GetMsg(msg::kCardDone) + GetMsg(msg::kCardFolderLabel, cardFolder.string() + "  "),
            GetMsg(msg::kCardDoneTitle), MessageIcon::Warning, MessageButtons::Ok};
}

}  // namespace vexa
