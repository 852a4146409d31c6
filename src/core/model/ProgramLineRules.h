#pragma once
// The rules on one Program Line that every part of the system shares: which
// voice cells hold a voice, how the voices are packed to the left, what the
// Repeat cell counts as and how the line's TIME is computed from the lengths
// of its voices. The programme grid, the voice refresh after a new Sound
// Table, the Project and the Control File reader all use these.
#include "core/model/ProgramLine.h"
#include "core/model/SoundEntry.h"
#include "core/model/TimeRange.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vexa {

using LineVoices = std::array<std::string, kVoicesPerLine>;

// A voice cell holds a voice unless it is empty or a single space.
inline bool HoldsVoice(const std::string& voice) { return !voice.empty() && voice != " "; }

// Every cell that holds no voice takes the first voice to its right.
void PackVoices(LineVoices& voices);
// A voice just put into cell `index` moves into the leftmost cell before it
// that holds no voice.
void PackVoiceInto(LineVoices& voices, int index);
// One pass from the left: a cell that holds no voice takes the voice of its
// right neighbour.
void CloseVoiceGaps(LineVoices& voices);

// The Repeat cell while editing: "" counts 1, a number as it is, anything
// else as its leading number.
double EditedRepeat(const std::string& repeat);
// The Repeat cell of a loaded line: "" counts 1; nullopt when it is no number.
std::optional<double> LoadedRepeat(const std::string& repeat);

// Seconds in the "0.0" form read back as a number (nullopt when the rounded
// text is no number, as for the largest lengths).
std::optional<double> OneDecimalSeconds(double seconds);
// A measured play length: milliseconds in seconds, one decimal; a failed
// measurement (-1 ms) gives minus zero and adds nothing.
double MeasuredSeconds(long long milliseconds);
// A registered Length ("" counts 0), one decimal; nullopt when it is no number.
std::optional<double> RegisteredSeconds(const std::string& length);

// The line TIME: `repeat` × the sum of `secondsOf(voice)` over the eight
// voice cells, in the "0.0" form. `secondsOf` gives the seconds a cell adds
// (0 for a cell that names no entry) or nullopt when the line has no time;
// nullopt too when the product is no time the system holds.
template <typename SecondsOf>
std::optional<std::string> LineTime(double repeat, const LineVoices& voices, SecondsOf&& secondsOf) {
    double sum = 0;
    for (const std::string& voice : voices) {
        const std::optional<double> seconds = secondsOf(voice);
        if (!seconds)
            return std::nullopt;
        sum += *seconds;
    }
    return LineTimeText(repeat, sum);
}

// Play length of a WAVE file in milliseconds, -1 when it cannot be measured.
using MeasureWave = std::function<long long(const std::filesystem::path&)>;

// The line as it is with the Sound Table `sounds` (Sound Present `present`):
// a voice that names no entry (every voice, when the flag is clear) is
// dropped, the voices left are packed and the TIME is computed again from the
// lengths `measure` gives of the entries' files.
ProgramLine RefreshedLine(const ProgramLine& line, const std::vector<SoundEntry>& sounds, bool present,
                          const MeasureWave& measure);

}  // namespace vexa
