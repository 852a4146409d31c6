#include "core/sound/WaveRegistrationCheck.h"

#include "core/sound/WaveInspection.h"
#include "core/sound/WaveTexts.h"

namespace vexa {

WaveRegistrationCheck CheckWaveForRegistration(const std::filesystem::path& file, bool stereoAllowed) {
    WaveRegistrationCheck check;
    check.path = file.string();
    check.name = file.filename().string();
    WaveFacts facts = InspectWave(file);  // the one opening of the file
    if (facts.opened) {
        check.size = std::to_string(facts.size);
    } else {
        std::error_code ec;  // a file that is there but cannot be read still shows its size
        const auto size = std::filesystem::file_size(file, ec);
        if (!ec)
            check.size = std::to_string(size);
    }
    check.format = std::move(facts.format);
    check.headerPasses = HeaderScanPasses(facts.header, stereoAllowed);
    if (!check.format.format) {
        check.refusal = check.format.refusal;
        return check;
    }
    const WaveFormat& format = *check.format.format;
    check.rate = RateText(format.samplesPerSec);
    check.bits = BitsText(format.bitsPerSample);
    check.channels = ChannelsText(format.channels);
    check.length = LengthText(facts.lengthMs);
    check.refusal = CheckWaveFormat(format, check.path, stereoAllowed);
    if (!check.refusal && !check.headerPasses)
        check.refusal = NamingTheFile(Refusal::warning(msg::kWaveUnusable), check.name);
    return check;
}

}  // namespace vexa
