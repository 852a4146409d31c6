#include "core/editor/TestVoiceLabel.h"

#include "core/config/Messages.h"
#include "core/sound/WaveInspection.h"
#include "core/sound/WaveTexts.h"

#include <system_error>

namespace vexa {

TestVoiceLabel DescribeTestVoice(const std::filesystem::path& path) {
    const WaveFormatRead read = ReadWaveFormat(path);
    if (!read.format)
        return {{}, read.refusal};
    const WaveFormat& f = *read.format;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    std::string text = path.filename().string();
    text += "  PCM " + RateText(f.samplesPerSec) + " ";
    text += std::to_string(f.bitsPerSample) + "Bit ";
    text += f.channels == 1 ? "Mono " : "Stereo ";
    text += LengthText(GetWaveLength(path)) + GetMsg(msg::kSecondsUnit) + " ";
    text += std::to_string(ec ? 0 : size) + GetMsg(msg::kBytesUnit) + " ";
    return {text, std::nullopt};
}

}  // namespace vexa
