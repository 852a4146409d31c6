#include "core/sound/VoiceRefresh.h"

#include "core/model/TimeRange.h"
#include "core/text/NumberFormat.h"

#include <map>
#include <optional>
#include <string>

namespace vexa {
namespace {

bool isBlank(const std::string& voice) { return voice.empty() || voice == " "; }

const SoundEntry* findEntry(const std::vector<SoundEntry>& sounds, const std::string& name) {
    if (name.empty())
        return nullptr;
    for (const SoundEntry& e : sounds)
        if (e.fileName == name)
            return &e;
    return nullptr;
}

// A measured length in seconds, in the "0.0" form read back; a failed
// measurement (-1 ms) gives minus zero and adds nothing.
double oneDecimalSeconds(long long milliseconds) {
    const std::string text = numfmt::format(static_cast<double>(milliseconds) / 1000.0, "0.0");
    return numfmt::parseNumber(text).value_or(0);
}

double repeatValue(const std::string& repeat) {
    if (repeat.empty())
        return 1;
    return numfmt::parseNumber(repeat).value_or(numfmt::leadingNumber(repeat));
}

// Every blank cell takes the first voice to its right.
void pack(std::array<std::string, kVoicesPerLine>& voices) {
    for (std::size_t k = 0; k + 1 < voices.size(); ++k) {
        if (!isBlank(voices[k]))
            continue;
        for (std::size_t j = k + 1; j < voices.size(); ++j) {
            if (!isBlank(voices[j])) {
                voices[k] = std::move(voices[j]);
                voices[j].clear();
                break;
            }
        }
    }
}

}  // namespace

ProgramLine RefreshedLine(const ProgramLine& line, const std::vector<SoundEntry>& sounds, bool present,
                          const MeasureWave& measure) {
    ProgramLine out = line;
    for (std::string& voice : out.voices)
        if (!present || !findEntry(sounds, voice))
            voice.clear();
    pack(out.voices);
    double sum = 0;
    for (const std::string& voice : out.voices)
        if (const SoundEntry* e = isBlank(voice) ? nullptr : findEntry(sounds, voice))
            sum += oneDecimalSeconds(measure(std::filesystem::path(e->sourcePath)));
    out.time = LineTimeText(repeatValue(out.repeat), sum).value_or("");
    return out;
}

std::unique_ptr<SheetEdit> RefreshVoices(const Project& project, const std::vector<SoundEntry>& sounds, bool present,
                                         int lineCount, const MeasureWave& measure) {
    // One measurement per file, however many lines name it.
    std::map<std::filesystem::path, long long> measured;
    const MeasureWave once = [&](const std::filesystem::path& file) {
        auto [it, added] = measured.try_emplace(file, 0);
        if (added)
            it->second = measure(file);
        return it->second;
    };
    auto edit = std::make_unique<SheetEdit>(SheetEditKind::Cell);
    const int lines = usableLineCount(lineCount);
    for (int s = 0; s < kSheetSlots; ++s) {
        const ProgramSheet& sheet = project.sheets[static_cast<std::size_t>(s)];
        for (int l = 0; l < lines; ++l) {
            const ProgramLine& before = sheet.lines[static_cast<std::size_t>(l)];
            edit->addLine(s, l, before, RefreshedLine(before, sounds, present, once));
        }
    }
    return edit;
}

}  // namespace vexa
