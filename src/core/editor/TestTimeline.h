#pragma once
// A test run played through to its end at once, without sound, for
// `vexa timeline`: when each line starts and ends, which voice starts when,
// when the LED and BUZZER pictures change, and the total, in ticks of 50 ms.
// Each sound lasts its measured play length (see SimulatedAudioOutput).
#include "core/config/Configuration.h"
#include "core/editor/TestTable.h"
#include "core/editor/TestVoiceLabel.h"
#include "core/model/SheetHeader.h"
#include "core/sound/SimulatedAudioOutput.h"
#include "core/ui/Refusal.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace vexa {

struct TimelineSwitch {
    long tick;
    bool on;  // the LED lit / the BUZZER sounding

    bool operator==(const TimelineSwitch&) const = default;
};

struct TimelineVoice {
    std::string file;  // file name
    long tick;

    bool operator==(const TimelineVoice&) const = default;
};

// One line that was played (highlighted); lines passed without playing
// anything are not listed.
struct TimelineLine {
    int row = 0;         // grid row; the line number is row - 1
    long startTick = 0;
    long endTick = 0;    // the tick at which the line is over
    std::vector<TimelineVoice> voices;
    std::vector<TimelineSwitch> led;
    std::vector<TimelineSwitch> buzzer;

    bool operator==(const TimelineLine&) const = default;
};

struct Timeline {
    bool started = false;  // false: no line was active, nothing was played
    long ticks = 0;        // the tick at which the test ended
    std::vector<TimelineLine> lines;
    std::vector<std::string> notes;  // messages met on the way (a voice's format not readable)
    CheckResult fault;               // a voice could not be played: the test ended there

    double seconds() const;
};

// Seconds of `ticks` test ticks.
double TickSeconds(long ticks);

// What timelines learn of each sound file — there or not, its play length,
// its label — kept so that a caller playing many sheets (the week plan) reads
// each file once.
class TimelineSounds {
public:
    explicit TimelineSounds(SimulatedAudioOutput::Measure measure = {});

    bool exists(const std::filesystem::path& file);
    long long length(const std::filesystem::path& file);
    TestVoiceLabel label(const std::filesystem::path& file);

private:
    SimulatedAudioOutput::Measure measure_;
    std::unordered_map<std::string, bool> exists_;  // by the path's text
    std::unordered_map<std::string, long long> lengths_;
    std::unordered_map<std::string, TestVoiceLabel> labels_;
};

// Plays `table` as TestRun does, from grid row `row`.
Timeline RunTimeline(TestTable table, int row, TestEntry entry, const PatternTimes& patterns,
                     SimulatedAudioOutput::Measure measure = {});
// The same, with what `sounds` knows of the files.
Timeline RunTimeline(TestTable table, int row, TestEntry entry, const PatternTimes& patterns,
                     TimelineSounds& sounds);

// The length of the sheet's time window (start to end, across midnight when
// the end is earlier), in seconds; nullopt when a part of it is not set.
std::optional<int> SheetWindowSeconds(const SheetHeader& header);

}  // namespace vexa
