#include "audioimport/AudioLibraries.h"

#include "audioimport/Ebur128Meter.h"
#include "audioimport/FfmpegDecoder.h"
#include "audioimport/SoxrResampler.h"

extern "C" {
#include <libavutil/log.h>
}

namespace vexa {

AudioLibraries::AudioLibraries() { av_log_set_level(AV_LOG_QUIET); }

DecoderOpening AudioLibraries::openDecoder(const std::filesystem::path& source) { return FfmpegDecoder::open(source); }

std::unique_ptr<Resampler> AudioLibraries::makeResampler(std::uint32_t inRate, std::uint32_t outRate, int channels) {
    return std::make_unique<SoxrResampler>(inRate, outRate, channels);
}

std::unique_ptr<LoudnessMeter> AudioLibraries::makeMeter(std::uint32_t rate, int channels, bool truePeak) {
    return std::make_unique<Ebur128Meter>(rate, channels, truePeak);
}

}  // namespace vexa
