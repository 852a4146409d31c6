#pragma once
// A batch of imports into one folder: the sources (files, or the audio files
// of a folder), their names, and the files imported one after another under
// one bar, each with its result. A stop ends the batch after the file being
// imported is abandoned; the files done before stay.
#include "core/import/AudioBackend.h"
#include "core/import/ImportName.h"
#include "core/import/ImportOptions.h"
#include "core/import/ImportResult.h"
#include "core/ui/Progress.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

inline constexpr const char* kImportingCaption = "取り込み中… ";
inline constexpr const char* kImportCompleted = "取り込みが終わりました。";
inline constexpr const char* kImportStopped = "取り込みを中止しました。";

// The extensions of the audio files a folder gives (".wav", ".flac", ".mp3",
// ".ogg", ".opus", ".m4a", …, in any case).
bool HasImportExtension(std::string_view name);
// The folder's audio files (not those of its subfolders), sorted by name, as
// full paths; empty when the folder cannot be listed.
std::vector<std::string> ListImportSources(const std::filesystem::path& folder);

struct ImportItem {
    std::string source;
    std::string name;  // the file name in the output folder
};

// Each source with its proposed name, unique among `taken` and each other.
std::vector<ImportItem> PlanImportNames(const std::vector<std::string>& sources, TakenNames taken);

struct ImportBatchResult {
    std::vector<ImportResult> results;  // one per item started
    bool stopped = false;

    bool allImported() const;
};

ImportBatchResult RunImportBatch(const std::vector<ImportItem>& items, const std::filesystem::path& folder,
                                 const ImportOptions& options, AudioBackend& backend, Progress& progress);

}  // namespace vexa
