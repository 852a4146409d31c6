#include "core/import/ImportTab.h"

#include "core/config/Messages.h"
#include "core/files/MakeDir.h"
#include "core/import/ImportBatch.h"
#include "core/sound/WaveInspection.h"
#include "core/text/NumberFormat.h"
#include "core/wavetools/FolderChecks.h"
#include "core/wavetools/JobMessages.h"

#include <algorithm>
#include <filesystem>

namespace vexa {
namespace {

ToolsValidation refusedAt(UserDialogs& dialogs, const Refusal& refusal, std::string field) {
    ShowRefusal(dialogs, refusal);
    return {false, std::move(field)};
}

std::string fieldOf(const std::string& option) {
    if (option == "rate")
        return import_field::kRate;
    if (option == "bits")
        return import_field::kBits;
    if (option == "loudness")
        return import_field::kLoudness;
    if (option == "peak")
        return import_field::kPeak;
    return import_field::kStereo;
}

std::string loudnessText(const std::optional<double>& value) { return value ? DecibelText(*value, "") : "—"; }

Refusal warning(std::string text) { return {std::move(text), msg::kTitleConfirm, MessageIcon::Warning, {}, -1, -1}; }

std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

}  // namespace

ToolsValidation ValidateImport(const std::vector<std::string>& sources, const std::string& folder,
                               const ImportOptions& options, UserDialogs& dialogs) {
    if (sources.empty())
        return refusedAt(dialogs, warning("取り込むファイルが指定されていません。"), import_field::kSources);
    if (folder.empty())
        return refusedAt(dialogs, warning("出力フォルダが指定されていません。"), import_field::kFolder);
    if (const CheckResult refusal = CheckImportOptions(options))
        return refusedAt(dialogs, *refusal, fieldOf(refusal->field));
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        const MessageAnswer answer = dialogs.showMessage(
            {CreateFolderQuestion(), GetMsg(msg::kTitleConfirm), MessageIcon::Warning, MessageButtons::YesNo});
        if (answer != MessageAnswer::Yes)
            return {false, import_field::kFolder};
        if (!MakeDir(folder))
            return refusedAt(dialogs, FolderNotMade(), import_field::kFolder);
    }
    return {true, {}};
}

FileChooserRequest ImportFilesRequest(const std::string& initialFolder) {
    FileChooserRequest request;
    request.title = "取り込むファイル";
    request.initialFolder = initialFolder;
    request.filters = {"音声ファイル|*.wav *.wave *.aif *.aiff *.aifc *.flac *.mp3 *.ogg *.oga *.opus *.m4a *.mp4 *.aac",
                       "すべてのファイル|*"};
    request.multiple = true;
    return request;
}

std::vector<std::string> ImportFolderSources(const std::string& folder, UserDialogs& dialogs) {
    std::vector<std::string> sources = ListImportSources(folder);
    if (sources.empty())
        ShowRefusal(dialogs, warning("フォルダ内に取り込める音声ファイルがありません。"));
    return sources;
}

std::vector<ImportRateChoice> ImportRateChoices() {
    std::vector<ImportRateChoice> choices{{"自動（最高 " + ImportRateText(kDefaultImportRate) + "）", std::nullopt}};
    for (const std::uint32_t rate : kAcceptedRates)
        choices.push_back({ImportRateText(rate), rate});
    return choices;
}

void ShowImportEnd(const ImportBatchResult& batch, bool stopAsked, bool closing, UserDialogs& dialogs) {
    if (batch.stopped) {
        if (!closing)
            ShowJobEnd(JobResult::Stopped, true, dialogs);
        return;
    }
    if (stopAsked)  // the batch ended before it heard the request
        ShowJobEnd(JobResult::Completed, true, dialogs);
    if (!batch.allImported())
        ShowRefusal(dialogs, warning("取り込めなかったファイルがあります。\n理由は一覧の「注記」に出ています。"));
}

ImportResultRow ResultRow(const ImportResult& result) {
    ImportResultRow row;
    if (!result.imported()) {
        row.name = std::filesystem::path(result.source).filename().string();
        row.note = result.status == ImportStatus::Stopped ? std::string("中止しました。") : oneLine(result.failure);
        return row;
    }
    row.name = std::filesystem::path(result.output).filename().string();
    row.seconds = numfmt::format(result.seconds, "0.00");
    row.loudness = loudnessText(result.loudnessBefore) + " → " + loudnessText(result.loudnessAfter) + " LUFS";
    row.peak = result.truePeakAfter ? DecibelText(*result.truePeakAfter, "dBTP") : "—";
    for (const auto& note : result.notes)
        row.note += (row.note.empty() ? "" : " ") + note;
    return row;
}

}  // namespace vexa
