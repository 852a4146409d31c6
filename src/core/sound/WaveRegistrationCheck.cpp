#include "core/sound/WaveRegistrationCheck.h"

#include "core/sound/WaveInspection.h"
#include "core/sound/WaveTexts.h"

namespace vexa {

WaveRegistrationCheck CheckWaveForRegistration(const std::filesystem::path& file, bool stereoAllowed) {
    WaveRegistrationCheck check;
    check.path = file.string();
    check.name = file.filename().string();
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    if (!ec)
        check.size = std::to_string(size);

    WaveFormatRead read = ReadWaveFormat(file);
    if (!read.format) {
        check.refusal = std::move(read.refusal);
        return check;
    }
    const WaveFormat& format = *read.format;
    check.rate = RateText(format.samplesPerSec);
    check.bits = BitsText(format.bitsPerSample);
    check.channels = ChannelsText(format.channels);
    check.length = LengthText(GetWaveLength(file));
    check.refusal = CheckWaveFormat(format, check.path, stereoAllowed);
    if (!check.refusal && !CheckWaveHeader(file, stereoAllowed))
        check.refusal = NamingTheFile(Refusal::warning(msg::kWaveUnusable), check.name);
    return check;
}

}  // namespace vexa
