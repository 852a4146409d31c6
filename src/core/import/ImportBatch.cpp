#include "core/import/ImportBatch.h"

#include "core/import/ImportFile.h"

#include <algorithm>
#include <array>

namespace vexa {
namespace fs = std::filesystem;

bool HasImportExtension(std::string_view name) {
    static constexpr std::array<std::string_view, 13> kExtensions = {
        ".WAV", ".WAVE", ".AIF", ".AIFF", ".AIFC", ".FLAC", ".MP3", ".OGG", ".OGA", ".OPUS", ".M4A", ".MP4", ".AAC"};
    const std::size_t point = name.rfind('.');
    if (point == std::string_view::npos || point == 0)
        return false;
    const std::string extension = AsciiUpper(std::string(name.substr(point)));
    return std::find(kExtensions.begin(), kExtensions.end(), extension) != kExtensions.end();
}

std::vector<std::string> ListImportSources(const fs::path& folder) {
    std::vector<std::string> sources;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError) && HasImportExtension(it->path().filename().string()))
            sources.push_back(it->path().string());
    }
    std::sort(sources.begin(), sources.end());
    return sources;
}

std::vector<ImportItem> PlanImportNames(const std::vector<std::string>& sources, TakenNames taken) {
    std::vector<ImportItem> items;
    items.reserve(sources.size());
    for (const auto& source : sources) {
        std::string name = ProposeImportName(source, taken);
        taken.add(name);
        items.push_back({source, std::move(name)});
    }
    return items;
}

bool ImportBatchResult::allImported() const {
    return !stopped && std::all_of(results.begin(), results.end(), [](const ImportResult& r) { return r.imported(); });
}

ImportBatchResult RunImportBatch(const std::vector<ImportItem>& items, const fs::path& folder,
                                 const ImportOptions& options, AudioBackend& backend, Progress& progress) {
    ImportBatchResult batch;
    const int count = static_cast<int>(items.size());
    for (int i = 0; i < count && !batch.stopped; ++i) {
        const ImportItem& item = items[static_cast<std::size_t>(i)];
        progress.setCaption(kImportingCaption + fs::path(item.source).filename().string() + "（" +
                            std::to_string(i + 1) + "/" + std::to_string(count) + "）");
        const fs::path destination = folder / item.name;
        std::error_code ec;
        if (fs::exists(fs::symlink_status(destination, ec))) {
            // Named before the batch started; something else took the name since.
            ImportResult taken;
            taken.source = item.source;
            taken.failure = "「" + destination.string() + "」は既にあります。別の名前で取り込み直してください。";
            batch.results.push_back(std::move(taken));
            continue;
        }
        batch.results.push_back(ImportFile(item.source, destination, options, backend, progress,
                                           {i * 100 / count, (i + 1) * 100 / count}));
        batch.stopped = batch.results.back().status == ImportStatus::Stopped;
    }
    progress.setCaption(batch.stopped ? kImportStopped : kImportCompleted);
    return batch;
}

}  // namespace vexa
