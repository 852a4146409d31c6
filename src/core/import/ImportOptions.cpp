#include "core/import/ImportOptions.h"

#include "core/config/Messages.h"
#include "core/sound/WaveInspection.h"
#include "core/sound/WaveTexts.h"
#include "core/text/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace vexa {
namespace {

Refusal optionRefusal(std::string text, std::string field) {
    return Refusal{std::move(text), msg::kTitleConfirm, MessageIcon::Warning, std::move(field), -1, -1};
}

bool isAccepted(std::uint32_t rate) {
    return std::find(kAcceptedRates.begin(), kAcceptedRates.end(), rate) != kAcceptedRates.end();
}

}  // namespace

CheckResult CheckImportOptions(const ImportOptions& options) {
    if (options.rate && !isAccepted(*options.rate))
        return optionRefusal(GetMsg(msg::kWaveRate), "rate");
    if (options.bits != 8 && options.bits != 16)
        return optionRefusal("ビット数は 8 か 16 を指定してください。", "bits");
    if (options.loudnessTarget &&
        !(*options.loudnessTarget >= kMinLoudnessTarget && *options.loudnessTarget <= kMaxLoudnessTarget))
        return optionRefusal("音量の目標は −30 〜 −10 LUFS で指定してください。", "loudness");
    if (!(options.peakCeiling >= kMinPeakCeiling && options.peakCeiling <= kMaxPeakCeiling))
        return optionRefusal("ピークの上限は −20 〜 0 dBTP で指定してください。", "peak");
    if (options.stereo && !options.stereoAllowed)
        return optionRefusal("ステレオは詳細設定で許可されていません。", "stereo");
    return std::nullopt;
}

FormatChoice ChooseImportFormat(const ImportOptions& options, const AudioSourceInfo& source) {
    FormatChoice choice;
    choice.format.bits = options.bits;
    if (options.rate) {
        choice.format.rate = *options.rate;
    } else {
        // The highest accepted rate up to the default that the source reaches;
        // a source below every accepted rate gets the lowest.
        const std::uint32_t ceiling = std::min(kDefaultImportRate, source.sampleRate);
        std::uint32_t rate = kAcceptedRates.front();
        for (const std::uint32_t accepted : kAcceptedRates)
            if (accepted <= ceiling)
                rate = accepted;
        choice.format.rate = rate;
        if (source.sampleRate < kAcceptedRates.front())
            choice.notes.push_back("元の周波数（" + ImportRateText(source.sampleRate) + "）は使えないため、最も低い " +
                                   ImportRateText(rate) + " にしました。");
        else if (rate < kDefaultImportRate)
            choice.notes.push_back("元の周波数（" + ImportRateText(source.sampleRate) + "）より上げないため " +
                                   ImportRateText(rate) + " にしました。");
    }
    if (options.stereo) {
        if (!options.stereoAllowed)
            choice.notes.push_back("ステレオは詳細設定で許可されていないため、モノラルにしました。");
        else if (source.channels == 2)
            choice.format.channels = 2;
        else if (source.channels > 2)
            choice.notes.push_back(std::to_string(source.channels) + "チャンネルの音声は、モノラルにしました。");
    }
    return choice;
}

std::string ImportRateText(std::uint32_t rate) {
    std::string text = numfmt::format(rate / 1000.0, "##.###");
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text + "KHz";
}

std::string ImportFormatText(const ImportFormat& format) {
    return ImportRateText(format.rate) + "・" + BitsText(static_cast<std::uint16_t>(format.bits)) + "・" +
           ChannelsText(static_cast<std::uint16_t>(format.channels));
}

std::string DecibelText(double value, const char* unit) {
    const double rounded = std::round(value * 10.0) / 10.0;
    std::string text = numfmt::format(std::fabs(rounded), "0.0");
    if (rounded < 0)
        text = "−" + text;
    else if (rounded > 0)
        text = "+" + text;
    return *unit ? text + " " + unit : text;
}

}  // namespace vexa
