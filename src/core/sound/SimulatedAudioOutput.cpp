#include "core/sound/SimulatedAudioOutput.h"

#include "core/sound/WaveInspection.h"

#include <system_error>

namespace vexa {

SimulatedAudioOutput::SimulatedAudioOutput(Measure measure, int tickMilliseconds, Exists exists)
    : measure_(std::move(measure)), exists_(std::move(exists)), tickMilliseconds_(tickMilliseconds) {
    if (!measure_)
        measure_ = [](const std::filesystem::path& path) { return GetWaveLength(path); };
    if (!exists_)
        exists_ = [](const std::filesystem::path& path) {
            std::error_code ec;
            return std::filesystem::is_regular_file(path, ec);
        };
}

AudioResult SimulatedAudioOutput::open(const std::filesystem::path& file) {
    close();
    if (!exists_(file))
        return {AudioFault::FileMissing, file.string()};
    const long long length = measure_(file);
    if (length < 0)
        return {AudioFault::Unplayable, "再生時間を測れません"};
    file_ = file;
    length_ = length;
    return {};
}

AudioResult SimulatedAudioOutput::play() {
    if (file_.empty())
        return {AudioFault::OutputFailed, "ファイルが開かれていません"};
    playing_ = true;
    playedAt_ = tick_;
    starts_.push_back({file_, tick_});
    return {};
}

bool SimulatedAudioOutput::stopped() {
    if (!playing_)
        return true;
    const long long elapsed = static_cast<long long>(tick_ - playedAt_) * tickMilliseconds_;
    if (elapsed < length_)
        return false;
    playing_ = false;
    return true;
}

void SimulatedAudioOutput::close() {
    file_.clear();
    playing_ = false;
    length_ = 0;
}

}  // namespace vexa
