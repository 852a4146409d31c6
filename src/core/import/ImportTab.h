#pragma once
// What the WAVE tools window's "取り込み" tab decides: the checks before an
// import, in order, with the folder question; the rate choices it offers; and
// what its result list shows of each file.
#include "core/import/ImportBatch.h"
#include "core/import/ImportOptions.h"
#include "core/import/ImportResult.h"
#include "core/ui/UserDialogs.h"
#include "core/wavetools/ToolsValidation.h"

#include <optional>
#include <string>
#include <vector>

namespace vexa {

// The tab's boxes a refusal points at, by the names the window gives them.
namespace import_field {
inline constexpr const char* kSources = "LstImportSources";
inline constexpr const char* kFolder = "TxtImportFolder";
inline constexpr const char* kRate = "CmbImportRate";
inline constexpr const char* kBits = "CmbImportBits";
inline constexpr const char* kLoudness = "SpnImportLoudness";
inline constexpr const char* kPeak = "SpnImportPeak";
inline constexpr const char* kStereo = "ChkImportStereo";
}  // namespace import_field

// No sources, no output folder, options out of range (at their box), then a
// missing output folder offered to be made (2047 + 2085; 2807 when it cannot
// be).
ToolsValidation ValidateImport(const std::vector<std::string>& sources, const std::string& folder,
                               const ImportOptions& options, UserDialogs& dialogs);

// The file chooser of the sources: several audio files of the formats the
// import takes, or any file.
FileChooserRequest ImportFilesRequest(const std::string& initialFolder);
// The sources a chosen folder gives; a folder without any is refused
// ("フォルダ内に取り込める音声ファイルがありません。").
std::vector<std::string> ImportFolderSources(const std::string& folder, UserDialogs& dialogs);

struct ImportRateChoice {
    std::string text;
    std::optional<std::uint32_t> rate;  // none: the default, never above the source's
};
// "自動（最高 22.05KHz）" first, then every accepted rate.
std::vector<ImportRateChoice> ImportRateChoices();

// What the tab says when a batch has ended: the stop message after a stop
// (unless the user stopped it by closing the window), a note to look at the
// list when a file was not imported, nothing when all were. A batch that
// ended before it heard an asked-for stop says so first (its files are whole).
void ShowImportEnd(const ImportBatchResult& batch, bool stopAsked, bool closing, UserDialogs& dialogs);

struct ImportResultRow {
    std::string name;      // the file written, or the source's name
    std::string seconds;   // "2.72"
    std::string loudness;  // "−23.4 → −18.0 LUFS"
    std::string peak;      // "−3.2 dBTP"
    std::string note;      // the notes, or why nothing was written

    bool operator==(const ImportResultRow&) const = default;
};
ImportResultRow ResultRow(const ImportResult& result);

}  // namespace vexa
