#include "core/model/ProgramLineRules.h"

#include "core/text/NumberFormat.h"

#include <utility>

namespace vexa {

void PackVoices(LineVoices& voices) {
    for (std::size_t k = 0; k + 1 < voices.size(); ++k) {
        if (HoldsVoice(voices[k]))
            continue;
        for (std::size_t j = k + 1; j < voices.size(); ++j) {
            if (HoldsVoice(voices[j])) {
                voices[k] = std::move(voices[j]);
                voices[j].clear();
                break;
            }
        }
    }
}

void PackVoiceInto(LineVoices& voices, int index) {
    if (index < 0 || index >= kVoicesPerLine)
        return;
    const auto at = static_cast<std::size_t>(index);
    for (std::size_t k = 0; k < at; ++k) {
        if (!HoldsVoice(voices[k])) {
            voices[k] = std::move(voices[at]);
            voices[at].clear();
            return;
        }
    }
}

void CloseVoiceGaps(LineVoices& voices) {
    for (std::size_t k = 0; k + 1 < voices.size(); ++k) {
        if (!HoldsVoice(voices[k]) && HoldsVoice(voices[k + 1])) {
            voices[k] = std::move(voices[k + 1]);
            voices[k + 1].clear();
        }
    }
}

double EditedRepeat(const std::string& repeat) {
    if (repeat.empty())
        return 1;
    return numfmt::parseNumber(repeat).value_or(numfmt::leadingNumber(repeat));
}

std::optional<double> LoadedRepeat(const std::string& repeat) {
    return numfmt::parseNumber(repeat.empty() ? "1" : repeat);
}

std::optional<double> OneDecimalSeconds(double seconds) {
    return numfmt::parseNumber(numfmt::format(seconds, "0.0"));
}

double MeasuredSeconds(long long milliseconds) {
    return OneDecimalSeconds(static_cast<double>(milliseconds) / 1000.0).value_or(0);
}

std::optional<double> RegisteredSeconds(const std::string& length) {
    const auto seconds = numfmt::parseNumber(length.empty() ? "0" : length);
    return seconds ? OneDecimalSeconds(*seconds) : std::nullopt;
}

namespace {

const SoundEntry* findEntry(const std::vector<SoundEntry>& sounds, const std::string& name) {
    if (name.empty())
        return nullptr;
    for (const SoundEntry& e : sounds)
        if (e.fileName == name)
            return &e;
    return nullptr;
}

}  // namespace

ProgramLine RefreshedLine(const ProgramLine& line, const std::vector<SoundEntry>& sounds, bool present,
                          const MeasureWave& measure) {
    ProgramLine out = line;
    for (std::string& voice : out.voices)
        if (!present || !findEntry(sounds, voice))
            voice.clear();
    PackVoices(out.voices);
    out.time = LineTime(EditedRepeat(out.repeat), out.voices, [&](const std::string& voice) -> std::optional<double> {
                   const SoundEntry* e = HoldsVoice(voice) ? findEntry(sounds, voice) : nullptr;
                   return e ? MeasuredSeconds(measure(std::filesystem::path(e->sourcePath))) : 0.0;
               }).value_or("");
    return out;
}

}  // namespace vexa
