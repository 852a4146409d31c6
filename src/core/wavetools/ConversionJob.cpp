#include "core/wavetools/ConversionJob.h"

#include "core/config/Messages.h"
#include "core/sound/WaveFolderListing.h"
#include "core/wavetools/ConversionChecks.h"
#include "core/wavetools/ConvertToMono.h"

#include <filesystem>

namespace vexa {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> sourcesOf(ConversionMode mode, const std::string& source) {
    if (mode == ConversionMode::File)
        return {source};
    return ListWaveFiles(source);
}

std::string outputFor(ConversionMode mode, const std::string& source, const std::string& output) {
    if (mode == ConversionMode::File)
        return output;
    return (fs::path(output) / fs::path(source).filename()).string();
}

std::uint64_t sizeOf(const std::string& path) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    return ec ? 0 : size;
}

}  // namespace

std::optional<ConversionJob> PlanConversion(ConversionMode mode, const std::string& source,
                                            const std::string& output, UserDialogs& dialogs) {
    ConversionJob job;
    for (const std::string& file : sourcesOf(mode, source)) {
        const SourceVerdict verdict = CheckSourceFormat(file, mode, dialogs);
        if (verdict == SourceVerdict::End)
            return std::nullopt;
        if (verdict == SourceVerdict::Skip)
            continue;
        job.files.push_back({file, outputFor(mode, file, output)});
        job.totalBytes += sizeOf(file);
    }
    if (job.files.empty()) {
        dialogs.showMessage({"変換対象のファイルが見つかりません。処理を終了します。　", GetMsg(msg::kTitleConfirm),
                             MessageIcon::Information, MessageButtons::Ok});
        return std::nullopt;
    }
    return job;
}

JobResult RunConversion(const ConversionJob& job, ProgressLink& link) {
    for (const ConversionFile& file : job.files) {
        const JobResult result = ConvertToMono(file.source, file.output, link);
        if (result != JobResult::Completed)
            return result;
    }
    return JobResult::Completed;
}

}  // namespace vexa
