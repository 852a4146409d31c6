#include "core/cardcheck/CardVerification.h"

#include "core/card/CapacityClass.h"
#include "core/card/CardFolder.h"
#include "core/cardcheck/FileComparison.h"
#include "core/files/FolderAt.h"
#include "core/files/InputFile.h"
#include "core/files/SameFile.h"
#include "core/controlfile/ControlFileReader.h"
#include "core/controlfile/ControlFileWriter.h"
#include "core/sound/WaveInspection.h"
#include "core/text/Cp932.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <set>
#include <sys/statvfs.h>

namespace vexa {
namespace {

namespace fs = std::filesystem;

std::string lowered(std::string_view name) {
    std::string text(name);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return text;
}

bool isControlFileName(std::string_view name) { return lowered(name).ends_with(".vxa"); }

std::string bytesText(std::uint64_t bytes) { return std::to_string(bytes) + " バイト"; }

// Every message box of the loader becomes a finding about the Control File.
class FindingDialogs final : public UserDialogs {
public:
    FindingDialogs(CardFindings& findings, std::string file) : findings_(findings), file_(std::move(file)) {}
    MessageAnswer showMessage(const MessageRequest& request) override {
        const Severity severity = request.icon == MessageIcon::Error ? Severity::Error : Severity::Warning;
        findings_.push_back({severity, file_, request.text});
        return DismissedAnswer(request.buttons);
    }
    std::vector<std::string> chooseFiles(const FileChooserRequest&) override { return {}; }
    std::string chooseFolder(const std::string&) override { return {}; }

private:
    CardFindings& findings_;
    std::string file_;
};

class Verifier {
public:
    Verifier(const CardVerifyRequest& request, Progress& progress) : request_(request), progress_(progress) {}

    CardVerification run() {
        if (request_.fileSystem)
            add(FileSystemFindings(*request_.fileSystem));
        folder_ = OpenFolder(request_.folder);
        if (!folder_) {
            error(request_.folder, "フォルダを開けません：" + std::string(std::strerror(errno)) + "。");
            return finish();
        }
        names_ = NamesIn(folder_.get());
        const std::optional<Project> project = chooseProject();
        haveProject_ = project.has_value();
        if (project) {
            if (controlPresent_)
                checkControlFile(*project);
            checkSounds(*project);
            if (request_.scope == CheckScope::Card)
                checkCapacity(*project);
        }
        if (request_.scope == CheckScope::Card) {
            checkNames();
            checkFreeSpace();
        }
        return finish();
    }

private:
    CardVerification finish() { return {std::move(findings_), stopped_}; }

    void add(const CardFindings& more) { findings_.insert(findings_.end(), more.begin(), more.end()); }
    void error(const fs::path& file, std::string text) { findings_.push_back({Severity::Error, file.string(), std::move(text)}); }
    void warning(const fs::path& file, std::string text) {
        findings_.push_back({Severity::Warning, file.string(), std::move(text)});
    }
    void note(const fs::path& file, std::string text) { findings_.push_back({Severity::Note, file.string(), std::move(text)}); }

    fs::path shown(const std::string& name) const { return request_.folder / name; }
    bool present(const std::string& name) const { return std::binary_search(names_.begin(), names_.end(), name); }

    // The Project to compare with, and the Control File's name on the card.
    std::optional<Project> chooseProject() {
        std::vector<std::string> controlFiles;
        for (const std::string& name : names_)
            if (isControlFileName(name))
                controlFiles.push_back(name);
        if (request_.project) {
            controlName_ = ControlFileName(request_.project->card.cardName);
            if (request_.scope == CheckScope::Card)
                for (const std::string& name : controlFiles)
                    if (name != controlName_)
                        secondControlFile(name);
            controlPresent_ = present(controlName_);
            if (!controlPresent_)
                error(shown(controlName_), "コントロールファイルがありません。");
            return request_.project;
        }
        if (controlFiles.empty()) {
            error(request_.folder, "コントロールファイル（.vxa）がありません。");
            return std::nullopt;
        }
        if (controlFiles.size() > 1) {
            for (const std::string& name : controlFiles)
                error(shown(name),
                      "コントロールファイルが " + std::to_string(controlFiles.size()) +
                          " 個あります：機器はどれを読むか決められません。");
            return std::nullopt;
        }
        controlName_ = controlFiles.front();
        Project project = request_.loadInto;
        FindingDialogs dialogs(findings_, shown(controlName_).string());
        const ControlFileLoad load = LoadKtrFile(shown(controlName_), project, request_.settings);
        ShowLoadRefusals(dialogs, load);
        if (!load) {
            error(shown(controlName_), "コントロールファイルを読み込めません。");
            return std::nullopt;
        }
        loadedHere_ = true;
        controlPresent_ = true;
        return project;
    }

    void secondControlFile(const std::string& name) {
        error(shown(name), "2つ目のコントロールファイルです：機器はどれを読むか決められません。");
    }

    void checkControlFile(const Project& project) {
        const fs::path file = shown(controlName_);
        const auto text = ControlFileText(project, request_.settings);
        if (!text) {
            error(file, "プロジェクトからコントロールファイルの内容を作れません（数値にできない時間があります）。");
            return;
        }
        const std::string expected = cp932::fromUtf8(*text);
        InputFile input(folder_.get(), controlName_, kMaxControlFileBytes);
        const auto bytes = input ? input.readAll() : std::nullopt;
        if (!bytes) {
            error(file, "読めません：" + input.reason());
            return;
        }
        if (!loadedHere_ && request_.scope == CheckScope::Card) {
            // The file must also load as the device's data (creation reading
            // back its own bytes needs only those compared).
            Project loaded = request_.loadInto;
            FindingDialogs dialogs(findings_, file.string());
            const ControlFileLoad load = LoadKtrFile(file, loaded, request_.settings);
            ShowLoadRefusals(dialogs, load);
            if (!load) {
                error(file, "コントロールファイルを読み込めません。");
                return;
            }
        }
        if (*bytes == expected)
            return;
        const auto [mismatch, _] = std::mismatch(bytes->begin(), bytes->end(), expected.begin(), expected.end());
        const auto line = std::count(bytes->begin(), mismatch, '\n') + 1;
        error(file, std::string(loadedHere_ ? "このエディタが書く形と違います" : "プロジェクトから作成される内容と違います") +
                        "（" + std::to_string(line) + " 行目）。手で編集されたか、壊れています。");
    }

    void checkSounds(const Project& project) {
        std::vector<std::pair<CardSound, const SoundEntry*>> sounds;
        std::uint64_t total = 0;
        for (const CardSound& sound : CardSounds(project)) {
            const auto index = project.findSound(sound.fileName);
            sounds.emplace_back(sound, index ? &project.sounds[*index] : nullptr);
            struct stat info {};
            if (StatAt(folder_.get(), sound.fileName, info))
                total += static_cast<std::uint64_t>(info.st_size) * 2;
        }
        FileComparison comparison(progress_, total);
        std::vector<std::string> unsourced;
        for (const auto& [sound, entry] : sounds) {
            if (progress_.stopRequested()) {
                stopped_ = true;
                return;
            }
            setFiles_.insert(sound.fileName);
            progress_.setCaption("確認中　" + sound.fileName);
            const fs::path file = shown(sound.fileName);
            if (!present(sound.fileName)) {
                missing(sound.fileName);
                continue;
            }
            struct stat info {};
            if (!StatAt(folder_.get(), sound.fileName, info) || !S_ISREG(info.st_mode)) {
                error(file, "通常のファイルではありません。");
                continue;
            }
            const bool hasSource = !sound.source.empty() && fs::is_regular_file(sound.source) &&
                                   !IsSameFile(sound.source, file);
            if (!hasSource) {
                unsourced.push_back(sound.fileName);
                checkWithoutSource(sound.fileName, static_cast<std::uint64_t>(info.st_size), entry);
                continue;
            }
            const ComparisonResult result = comparison.compare(sound.source, folder_.get(), sound.fileName);
            if (result.outcome == ComparisonOutcome::Stopped) {
                stopped_ = true;
                return;
            }
            if (result.outcome != ComparisonOutcome::Same)
                error(file, result.text);
        }
        if (!unsourced.empty()) {
            std::string list;
            for (const std::string& name : unsourced)
                list += (list.empty() ? "" : "、") + name;
            note(request_.folder, "元のファイルがないため、形式・大きさ・長さだけを確かめました（" +
                                      std::to_string(unsourced.size()) + " 個：" + list + "）。");
        }
    }

    void missing(const std::string& name) {
        for (const std::string& other : names_)
            if (lowered(other) == lowered(name)) {
                error(shown(name), "ありません（カードには大文字と小文字だけが違う「" + other + "」があります）。");
                return;
            }
        error(shown(name), "ありません。");
    }

    void checkWithoutSource(const std::string& name, std::uint64_t size, const SoundEntry* entry) {
        const fs::path file = shown(name);
        const WaveFormatRead format = ReadWaveFormat(file);
        if (!format.format) {
            error(file, format.reason);
            return;
        }
        if (const CheckResult refusal = CheckWaveFormat(*format.format, file.string(), request_.settings.stereoAllowed())) {
            error(file, refusal->text);
            return;
        }
        if (entry == nullptr)
            return;
        if (!entry->size.empty() && entry->size != std::to_string(size))
            error(file, "大きさがサウンドの登録（" + entry->size + " バイト）と違います：" + bytesText(size) + "。");
        char* end = nullptr;
        const double seconds = std::strtod(entry->length.c_str(), &end);
        const long long ms = GetWaveLength(file);
        if (!entry->length.empty() && end != entry->length.c_str() && ms >= 0 &&
            std::llabs(ms - std::llround(seconds * 1000)) > 1)
            error(file, "長さがサウンドの登録（" + entry->length + " 秒）と違います。");
    }

    void checkCapacity(const Project& project) {
        std::uint64_t total = 0;
        for (const CardSound& sound : CardSounds(project)) {
            struct stat info {};
            if (StatAt(folder_.get(), sound.fileName, info) && S_ISREG(info.st_mode))
                total += static_cast<std::uint64_t>(info.st_size);
        }
        const std::string& stored = project.card.cardSize;
        const int position = stored.size() == 1 && stored[0] >= '0' && stored[0] <= '5' ? stored[0] - '0' : -1;
        if (position < 0) {
            note(request_.folder, "カード容量が選ばれていないため、WAVEファイルの合計（" + bytesText(total) +
                                      "）は確かめていません。");
            return;
        }
        const CapacityLimit& limit = kCapacityLimits[static_cast<std::size_t>(position)];
        if (total > limit.upTo)
            error(request_.folder, "WAVEファイルの合計（" + bytesText(total) + "）が、カード情報で選んだ容量「" +
                                       limit.capacity.text + "」（" + bytesText(limit.upTo) + "まで）を超えています。");
    }

    void checkNames() {
        if (!controlName_.empty())
            setFiles_.insert(controlName_);
        std::map<std::string, std::vector<std::string>> byLowered;
        for (const std::string& name : names_) {
            byLowered[lowered(name)].push_back(name);
            if (setFiles_.count(name) != 0) {
                const std::string stored = cp932::fromUtf8(name);
                if (CheckCardFileName(name) || !IsEightDotThree(stored))
                    error(shown(name), "カードで使えないファイル名です：半角文字の8.3形式（名前8文字以内・拡張子3文字以内）にしてください。");
                continue;
            }
            if (isControlFileName(name) || !haveProject_)
                continue;  // named already (a second Control File, one of several), or nothing to tell foreign files by
            struct stat info {};
            const bool folder = StatAt(folder_.get(), name, info) && S_ISDIR(info.st_mode);
            warning(shown(name), folder ? "プロジェクトにないフォルダです（削除はしません）。"
                                        : "プロジェクトにないファイルです（削除はしません）。");
        }
        for (const auto& [key, group] : byLowered) {
            if (group.size() < 2)
                continue;
            std::string list;
            for (const std::string& name : group)
                list += (list.empty() ? "「" : "」と「") + name;
            error(shown(group.front()), list + "」は大文字と小文字だけが違う名前です：FAT のカードでは同じ名前になります。");
        }
    }

    void checkFreeSpace() {
        struct statvfs info {};
        if (::fstatvfs(folder_.get(), &info) != 0)
            return;
        const std::uint64_t block = info.f_frsize != 0 ? info.f_frsize : info.f_bsize;
        note(request_.folder, "空き容量：" + bytesText(static_cast<std::uint64_t>(info.f_bavail) * block));
    }

    const CardVerifyRequest& request_;
    Progress& progress_;
    UniqueFd folder_;
    std::vector<std::string> names_;
    std::string controlName_;
    bool loadedHere_ = false;
    bool haveProject_ = false;
    bool controlPresent_ = false;
    std::set<std::string> setFiles_;
    CardFindings findings_;
    bool stopped_ = false;
};

}  // namespace

bool IsEightDotThree(std::string_view name) {
    const auto dot = name.find('.');
    if (dot == std::string_view::npos)
        return !name.empty() && name.size() <= 8;
    const std::string_view base = name.substr(0, dot);
    const std::string_view extension = name.substr(dot + 1);
    return !base.empty() && base.size() <= 8 && !extension.empty() && extension.size() <= 3 &&
           extension.find('.') == std::string_view::npos;
}

CardVerification VerifyCard(const CardVerifyRequest& request, Progress& progress) {
    progress.setValue(0);
    Verifier verifier(request, progress);
    CardVerification result = verifier.run();
    if (!result.stopped)
        progress.setValue(100);
    return result;
}

CardVerification VerifyCardFolder(CardVerifyRequest request, VolumeService* service, Progress& progress) {
    request.fileSystem = DescribeCardFileSystem(request.folder, service);
    return VerifyCard(request, progress);
}

}  // namespace vexa
