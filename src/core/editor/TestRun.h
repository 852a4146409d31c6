#pragma once
// The test run of a sheet or a line, without its window. Each tick() is 50 ms
// of test time, whatever time really passed: the voices of the line play in
// order, Repeat times, through an AudioOutput while the LED and BUZZER
// pictures blink with the Pattern Times, then the next active line starts at
// the following tick. The clocks are single precision, as on the device, so a
// line of 10 s lasts 200 ticks and one of 3 s lasts 61. It plays a Test Table
// and never touches the Project; a TestRunView shows what happens.
#include "core/config/Configuration.h"
#include "core/editor/TestRunView.h"
#include "core/editor/TestTable.h"
#include "core/editor/TestVoiceLabel.h"
#include "core/sound/AudioOutput.h"
#include "core/ui/Refusal.h"

#include <functional>
#include <optional>

namespace vexa {

inline constexpr int kTestTickMilliseconds = 50;
inline constexpr double kTestTickSeconds = 0.05;
// A line that ends below this grid row scrolls the grid.
inline constexpr int kTestScrollRow = 29;

class TestRun {
public:
    // Describes a voice for LblState (DescribeTestVoice when empty).
    using VoiceDescriber = std::function<TestVoiceLabel(const std::filesystem::path&)>;

    TestRun(AudioOutput& output, TestRunView& view, VoiceDescriber describe = {});

    bool running() const { return running_; }
    // Ticks since the start: 1 for the first tick after it.
    long ticks() const { return ticks_; }
    // The grid row being played (0 before the first tick).
    int currentRow() const { return currentRow_; }

    // Ends the cell edit and runs Check Sheet, showing its refusal: the
    // table to test, or nothing when the sheet may not be tested.
    using TablePreparation = std::function<std::optional<TestTable>()>;
    // Start or Stop Test: a running test stops, whoever asks, and nothing
    // more happens (so a second click on a line starts its test); otherwise
    // the prepared table is tested from grid row `row`. True when a test
    // started.
    bool startOrStop(int row, TestEntry entry, const PatternTimes& patterns, const TablePreparation& prepare);
    // Starts a test of `table` at grid row `row`: the whole sheet for SIM,
    // else that line. False (and nothing shown) when no line is active.
    bool start(TestTable table, int row, TestEntry entry, const PatternTimes& patterns);
    // One tick of TmrSim. A refusal to show: a voice whose format cannot be
    // read (the test goes on), or one that cannot be played (the test has
    // ended, as Stop Test ends it).
    CheckResult tick();
    // Stop Test: the sound stops, the current line's pictures and colours
    // return to idle, test mode off. Harmless when no test runs.
    void stop();

private:
    void beginLine();
    void blinkLed(const TestLine& line);
    void blinkBuzzer(const TestLine& line);
    void finishOutputs(const TestLine& line);
    // The voice list of the line: the next voice, the list again, or done.
    CheckResult followVoices(const TestLine& line);
    void voicesDone();
    CheckResult playVoice(int slot);

    AudioOutput& output_;
    TestRunView& view_;
    VoiceDescriber describe_;

    TestTable table_;
    PatternTimes patterns_;
    bool sheetTest_ = false;
    bool running_ = false;
    long ticks_ = 0;

    float lineTime_ = 0;
    float ledTime_ = 0;
    float buzzerTime_ = 0;
    bool startLine_ = false;
    bool voicesDone_ = false;
    bool ledDone_ = false;
    bool buzzerDone_ = false;
    bool testDone_ = false;
    int currentRow_ = 0;
    int nextRow_ = 0;
    int voiceIndex_ = 0;
    bool voiceOpen_ = false;  // a voice plays (or has played and is not closed)
    int repeatLeft_ = 0;
    int ledPhase_ = 0;     // 0 lit, 1 dark
    int buzzerPhase_ = 0;  // 0 sounding, 1 silent
    CheckResult pending_;  // a refusal to hand back from this tick
};

}  // namespace vexa
