#include "core/editor/TestTimeline.h"

#include "core/editor/GridColumns.h"
#include "core/editor/TestRun.h"
#include "core/sound/WaveInspection.h"
#include "core/text/NumberFormat.h"

namespace vexa {
namespace {

constexpr int kSecondsPerDay = 24 * 3600;

// Writes down what a test run shows, tick by tick.
class TimelineRecorder : public TestRunView {
public:
    explicit TimelineRecorder(Timeline& timeline) : timeline_(timeline) {}
    void setRun(const TestRun& run) { run_ = &run; }

    void showTestMode(bool, CommandState) override {}
    void showState(const std::string&) override {}
    void scrollToTop(int) override {}

    void showPlaying(int row, bool playing) override {
        if (playing) {
            timeline_.lines.push_back({row, now(), 0, {}, {}, {}});
            ledOn_ = buzzerOn_ = false;
        } else if (TimelineLine* line = open(row)) {
            line->endTick = now();
        }
    }

    void showPicture(int row, int col, StatePicture picture) override {
        TimelineLine* line = open(row);
        if (!line)
            return;
        if (col == gridcol::kLedPicture)
            note(line->led, ledOn_, picture == StatePicture::Led);
        else if (col == gridcol::kBuzzerPicture)
            note(line->buzzer, buzzerOn_, picture == StatePicture::Buzzer);
    }

private:
    long now() const { return run_ ? run_->ticks() : 0; }

    TimelineLine* open(int row) {
        if (timeline_.lines.empty() || timeline_.lines.back().row != row || timeline_.lines.back().endTick != 0)
            return nullptr;
        return &timeline_.lines.back();
    }

    // A change undone within the same tick (a blink that turns as the
    // output's time ends) was never seen: it is dropped.
    void note(std::vector<TimelineSwitch>& switches, bool& state, bool on) {
        if (on == state)
            return;
        state = on;
        if (!switches.empty() && switches.back().tick == now())
            switches.pop_back();
        else
            switches.push_back({now(), on});
    }

    Timeline& timeline_;
    const TestRun* run_ = nullptr;
    bool ledOn_ = false;
    bool buzzerOn_ = false;
};

// Each voice start belongs to the line playing at its tick.
void placeVoices(Timeline& timeline, const std::vector<SimulatedAudioOutput::Start>& starts) {
    for (const auto& start : starts)
        for (TimelineLine& line : timeline.lines)
            if (start.tick >= line.startTick && start.tick <= line.endTick) {
                line.voices.push_back({start.file.filename().string(), start.tick});
                break;
            }
}

std::optional<int> clockPart(const std::string& text, int limit) {
    const auto value = numfmt::toInt16(text);
    if (!value || *value < 0 || *value >= limit)
        return std::nullopt;
    return *value;
}

std::optional<int> secondsOfDay(const std::string& hour, const std::string& minute) {
    const auto h = clockPart(hour, 24);
    const auto m = clockPart(minute, 60);
    if (!h || !m)
        return std::nullopt;
    return *h * 3600 + *m * 60;
}

}  // namespace

double TickSeconds(long ticks) { return static_cast<double>(ticks) * kTestTickMilliseconds / 1000.0; }

double Timeline::seconds() const { return TickSeconds(ticks); }

TimelineSounds::TimelineSounds(SimulatedAudioOutput::Measure measure) : measure_(std::move(measure)) {
    if (!measure_)
        measure_ = [](const std::filesystem::path& path) { return GetWaveLength(path); };
}

bool TimelineSounds::exists(const std::filesystem::path& file) {
    auto [at, added] = exists_.try_emplace(file.native(), false);
    if (added) {
        std::error_code ec;
        at->second = std::filesystem::is_regular_file(file, ec);
    }
    return at->second;
}

long long TimelineSounds::length(const std::filesystem::path& file) {
    auto [at, added] = lengths_.try_emplace(file.native(), 0);
    if (added)
        at->second = measure_(file);
    return at->second;
}

TestVoiceLabel TimelineSounds::label(const std::filesystem::path& file) {
    auto [at, added] = labels_.try_emplace(file.native());
    if (added)
        at->second = DescribeTestVoice(file);
    return at->second;
}

Timeline RunTimeline(TestTable table, int row, TestEntry entry, const PatternTimes& patterns,
                     SimulatedAudioOutput::Measure measure) {
    TimelineSounds sounds(std::move(measure));
    return RunTimeline(std::move(table), row, entry, patterns, sounds);
}

Timeline RunTimeline(TestTable table, int row, TestEntry entry, const PatternTimes& patterns,
                     TimelineSounds& sounds) {
    Timeline timeline;
    TimelineRecorder recorder(timeline);
    SimulatedAudioOutput output([&sounds](const std::filesystem::path& file) { return sounds.length(file); },
                                kTestTickMilliseconds,
                                [&sounds](const std::filesystem::path& file) { return sounds.exists(file); });
    TestRun run(output, recorder, [&sounds](const std::filesystem::path& file) { return sounds.label(file); });
    recorder.setRun(run);
    timeline.started = run.start(std::move(table), row, entry, patterns);
    while (run.running()) {
        output.advance();
        CheckResult shown = run.tick();
        if (!shown)
            continue;
        if (run.running())
            timeline.notes.push_back(shown->text);
        else
            timeline.fault = std::move(shown);
    }
    timeline.ticks = run.ticks();
    placeVoices(timeline, output.starts());
    return timeline;
}

std::optional<int> SheetWindowSeconds(const SheetHeader& header) {
    const auto start = secondsOfDay(header.startHour, header.startMinute);
    const auto end = secondsOfDay(header.endHour, header.endMinute);
    if (!start || !end)
        return std::nullopt;
    return *end >= *start ? *end - *start : *end + kSecondsPerDay - *start;
}

}  // namespace vexa
