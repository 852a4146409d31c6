#include "core/sound/WaveTexts.h"

#include "core/text/NumberFormat.h"

namespace vexa {

std::string RateText(std::uint32_t samplesPerSec) {
    const char* pattern = samplesPerSec == 22050 ? "##.##" : "##.###";
    return numfmt::format(samplesPerSec / 1000.0, pattern) + "KHz";
}

std::string BitsText(std::uint16_t bitsPerSample) { return std::to_string(bitsPerSample) + "bit"; }

std::string ChannelsText(std::uint16_t channels) { return channels == 1 ? "Mono" : "Stereo"; }

std::string LengthText(long long milliseconds) {
    return numfmt::format(static_cast<double>(milliseconds) / 1000.0, "0.000");
}

}  // namespace vexa
