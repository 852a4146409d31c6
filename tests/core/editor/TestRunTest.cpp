// The test run tick by tick, with a scripted sound output whose sounds last a
// set number of polls (one poll a tick, the first in the tick the sound
// starts) and a view that writes down every change it is shown.
#include "core/editor/TestRun.h"

#include "core/editor/GridColumns.h"

#include "ScriptedAudioOutput.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace vexa {
namespace {

constexpr int rowOf(int line) { return line + kGridHeaderRows - 1; }  // line from 1

const char* pictureName(StatePicture p) {
    switch (p) {
    case StatePicture::None: return "none";
    case StatePicture::Idle: return "idle";
    case StatePicture::Voice: return "voice";
    case StatePicture::Led: return "led";
    case StatePicture::Buzzer: return "buzzer";
    }
    return "?";
}

// Only changes are written down, each as "tick what".
class RecordingView : public TestRunView {
public:
    const TestRun* run = nullptr;
    std::vector<std::string> log;
    bool testMode = false;
    CommandState state = CommandState::Idle;
    int playing = 0;
    std::string label;
    std::map<std::pair<int, int>, StatePicture> pictures;  // absent: idle

    void showTestMode(bool on, CommandState s) override {
        testMode = on;
        state = s;
        add(on ? "test on" : "test off");
    }
    void showPlaying(int row, bool on) override {
        if (on == (playing == row))
            return;
        playing = on ? row : 0;
        add("row " + std::to_string(row) + (on ? " playing" : " plain"));
    }
    void showPicture(int row, int col, StatePicture picture) override {
        StatePicture& shown = pictures.try_emplace({row, col}, StatePicture::Idle).first->second;
        if (shown == picture)
            return;
        shown = picture;
        add("row " + std::to_string(row) + " col " + std::to_string(col) + " " + pictureName(picture));
    }
    void showState(const std::string& text) override { label = text; }
    void scrollToTop(int row) override { add("top " + std::to_string(row)); }

    // The log entries that mention `what`.
    std::vector<std::string> about(const std::string& what) const {
        std::vector<std::string> found;
        for (const auto& entry : log)
            if (entry.find(what) != std::string::npos)
                found.push_back(entry);
        return found;
    }

private:
    void add(const std::string& what) { log.push_back(std::to_string(run ? run->ticks() : 0) + " " + what); }
};

SoundEntry sound(const std::string& name) { return {name, "22.05KHz", "16bit", "Mono", "1.000", "100", "/sounds/" + name, ""}; }

ProgramLine voices(std::vector<std::string> names, std::string repeat = "1") {
    ProgramLine line;
    for (std::size_t i = 0; i < names.size(); ++i)
        line.voices[i] = names[i];
    line.repeat = std::move(repeat);
    return line;
}

class TestRunTest : public ::testing::Test {
protected:
    test::ScriptedAudioOutput output;
    RecordingView view;
    // The label names the file; the test decides which files cannot be read.
    std::map<std::string, Refusal> unreadable;
    TestRun run{output, view, [this](const std::filesystem::path& path) {
                    const auto it = unreadable.find(path.filename().string());
                    if (it != unreadable.end())
                        return TestVoiceLabel{{}, it->second};
                    return TestVoiceLabel{path.filename().string() + " label", std::nullopt};
                }};
    std::vector<ProgramLine> lines = std::vector<ProgramLine>(10);
    std::vector<SoundEntry> sounds = {SoundEntry{}, sound("A.WAV"), sound("B.WAV"), sound("C.WAV")};
    PatternTimes patterns;
    std::vector<CheckResult> shown;  // what the ticks handed back to show

    void SetUp() override { view.run = &run; }

    bool start(TestEntry entry = TestEntry::Sim, int row = kGridHeaderRows) {
        return run.start(BuildTestTable(lines, sounds, row, entry), row, entry, patterns);
    }
    // Ticks until the test ends (at most `limit` ticks).
    void finish(int limit = 10000) {
        for (int i = 0; i < limit && run.running(); ++i)
            if (CheckResult r = run.tick())
                shown.push_back(std::move(r));
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i)
            if (CheckResult r = run.tick())
                shown.push_back(std::move(r));
    }
};

TEST_F(TestRunTest, OnlyLineFivePlaysFromTheThirdTickAndTheTestEndsAfterIt) {
    lines[4] = voices({"A.WAV"});
    output.pollsToPlay["A.WAV"] = 3;  // ticks 3, 4 and 5
    ASSERT_TRUE(start());
    EXPECT_EQ(view.state, CommandState::SheetTest);
    finish();
    EXPECT_FALSE(run.running());
    EXPECT_EQ(view.log, (std::vector<std::string>{"0 test on", "3 row 6 playing", "3 row 6 col 1 voice",
                                                  "5 row 6 col 1 idle", "6 row 6 plain", "6 test off"}));
    EXPECT_EQ(output.played(), std::vector<std::string>{"A.WAV"});
    EXPECT_EQ(view.state, CommandState::Idle);
    EXPECT_FALSE(output.isOpen());
    EXPECT_TRUE(shown.empty());
}

TEST_F(TestRunTest, NothingStartsWithoutAnActiveLine) {
    lines[0].ledType = "1";  // a type without a time plays nothing
    lines[1].ledTime = "5.0";  // a time with type 0 neither
    lines[2].voices[0] = " ";
    EXPECT_FALSE(start());
    EXPECT_TRUE(view.log.empty());
    EXPECT_FALSE(run.running());
}

TEST_F(TestRunTest, LedTypeOneStaysLitForItsTimeWithoutBlinking) {
    lines[0].ledType = "1";
    lines[0].ledTime = "3.0";
    patterns.led[0] = {"0.1", "0.1"};  // not used by type 1
    ASSERT_TRUE(start());
    finish();
    // 60 single-precision steps of 0.05 make 2.9999983 s, not yet past 3.0.
    EXPECT_EQ(view.log, (std::vector<std::string>{"0 test on", "1 row 2 playing", "1 row 2 col 13 led",
                                                  "62 row 2 col 13 idle", "62 row 2 plain", "62 test off"}));
}

TEST_F(TestRunTest, PatternTimesBlinkTheLedAndTheBuzzerTickByTick) {
    lines[0].ledType = "2";  // pattern A
    lines[0].ledTime = "2.0";
    lines[0].buzzerType = "3";  // pattern B
    lines[0].buzzerTime = "1.0";
    patterns.led = {{{"0.5", "0.3"}, {"9.9", "9.9"}, {"9.9", "9.9"}}};
    patterns.buzzer = {{{"9.9", "9.9"}, {"0.2", "0.2"}, {"9.9", "9.9"}}};
    ASSERT_TRUE(start());
    finish();
    // A phase turns once its clock has passed the pattern time: after 10
    // steps for 0.5 s, 6 for 0.3 s (0.30000001 > 0.3) and 4 for 0.2 s.
    EXPECT_EQ(view.about("col 13"),
              (std::vector<std::string>{"1 row 2 col 13 led", "11 row 2 col 13 idle", "17 row 2 col 13 led",
                                        "27 row 2 col 13 idle", "33 row 2 col 13 led", "42 row 2 col 13 idle"}));
    EXPECT_EQ(view.about("col 16"),
              (std::vector<std::string>{"1 row 2 col 16 buzzer", "5 row 2 col 16 idle", "9 row 2 col 16 buzzer",
                                        "13 row 2 col 16 idle", "17 row 2 col 16 buzzer", "21 row 2 col 16 idle"}));
    EXPECT_EQ(run.ticks(), 42);  // 2.0 s of LED
}

TEST_F(TestRunTest, RepeatThreeWithTwoVoicesPlaysThePairThreeTimes) {
    lines[0] = voices({"A.WAV", "B.WAV"}, "3");
    lines[1] = voices({"C.WAV"});
    ASSERT_TRUE(start());
    finish();
    EXPECT_EQ(output.played(), (std::vector<std::string>{"A.WAV", "B.WAV", "A.WAV", "B.WAV", "A.WAV", "B.WAV", "C.WAV"}));
    // Each voice plays for two polls, the next one starting at the second;
    // the line is over at the tick after the last one stopped.
    EXPECT_EQ(view.about("row 3 playing"), std::vector<std::string>{"14 row 3 playing"});
}

TEST_F(TestRunTest, ALineOfTenSecondsOfLedWithATwoSecondVoiceLastsTwoHundredTicks) {
    lines[0] = voices({"A.WAV"});
    lines[0].ledType = "1";
    lines[0].ledTime = "10.0";
    lines[1] = voices({"B.WAV"});
    output.pollsToPlay["A.WAV"] = 41;  // 2 s
    ASSERT_TRUE(start());
    finish();
    EXPECT_EQ(view.about("row 2 col 1 "), (std::vector<std::string>{"1 row 2 col 1 voice", "41 row 2 col 1 idle"}));
    EXPECT_EQ(view.about("playing"), (std::vector<std::string>{"1 row 2 playing", "202 row 3 playing"}));
    EXPECT_EQ(view.about("row 2 plain"), std::vector<std::string>{"201 row 2 plain"});
}

TEST_F(TestRunTest, ALineThatEndsBelowRowTwentyNineScrollsTheGrid) {
    lines.resize(40);
    lines[0] = voices({"A.WAV"});
    lines[28] = voices({"A.WAV"});  // grid row 30
    lines[39] = voices({"B.WAV"});  // the last line: the test ends with it
    ASSERT_TRUE(start());
    finish();
    EXPECT_EQ(view.about("top"), std::vector<std::string>{"6 top 2"});
    EXPECT_EQ(output.played(), (std::vector<std::string>{"A.WAV", "A.WAV", "B.WAV"}));
}

TEST_F(TestRunTest, AClickDuringATestStopsItAndASecondClickTestsThatLine) {
    lines[0] = voices({"A.WAV"});
    lines[2] = voices({"B.WAV"});
    output.pollsToPlay["A.WAV"] = 50;
    int prepared = 0;
    const auto prepare = [&]() -> std::optional<TestTable> {
        ++prepared;
        return BuildTestTable(lines, sounds, rowOf(3), TestEntry::Click);
    };
    ASSERT_TRUE(start());
    ticks(3);
    ASSERT_TRUE(output.isOpen());

    EXPECT_FALSE(run.startOrStop(rowOf(3), TestEntry::Click, patterns, prepare));
    EXPECT_EQ(prepared, 0);  // a stop asks nothing
    EXPECT_FALSE(run.running());
    EXPECT_FALSE(view.testMode);
    EXPECT_EQ(view.playing, 0);
    EXPECT_EQ((view.pictures[{rowOf(1), gridcol::kSoundPicture}]), StatePicture::Idle);
    EXPECT_FALSE(output.isOpen());
    EXPECT_EQ(view.label, "");

    EXPECT_TRUE(run.startOrStop(rowOf(3), TestEntry::Click, patterns, prepare));
    EXPECT_EQ(prepared, 1);
    EXPECT_EQ(view.state, CommandState::LineTest);
    finish();
    EXPECT_EQ(output.played(), (std::vector<std::string>{"A.WAV", "B.WAV"}));  // only the clicked line
}

TEST_F(TestRunTest, ASheetThatFailsItsCheckIsNotTested) {
    lines[0] = voices({"A.WAV"});
    EXPECT_FALSE(run.startOrStop(rowOf(1), TestEntry::Sim, patterns, [] { return std::optional<TestTable>(); }));
    EXPECT_FALSE(run.running());
    EXPECT_TRUE(view.log.empty());
}

TEST_F(TestRunTest, AVoiceThatCannotBePlayedEndsTheTestWithAWarning) {
    lines[0] = voices({"A.WAV"});
    lines[1] = voices({"B.WAV"});
    output.openResults["B.WAV"] = {AudioFault::FileMissing, ""};
    ASSERT_TRUE(start());
    finish(100);
    EXPECT_FALSE(run.running());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]->icon, MessageIcon::Warning);
    EXPECT_NE(shown[0]->text.find("/sounds/B.WAV"), std::string::npos) << shown[0]->text;
    EXPECT_NE(shown[0]->text.find(AudioFaultText({AudioFault::FileMissing, ""})), std::string::npos);
    // Ended as Stop Test ends a test: nothing left highlighted or disabled.
    EXPECT_FALSE(view.testMode);
    EXPECT_EQ(view.state, CommandState::Idle);
    EXPECT_EQ(view.playing, 0);
    EXPECT_EQ((view.pictures[{rowOf(2), gridcol::kSoundPicture}]), StatePicture::Idle);
    EXPECT_FALSE(output.isOpen());
}

TEST_F(TestRunTest, AVoiceWithoutASoundEntryIsNamedByItsFileName) {
    lines[0] = voices({"GONE.WAV"});
    ASSERT_TRUE(start());
    finish(10);
    EXPECT_FALSE(run.running());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0]->text.find("GONE.WAV"), std::string::npos) << shown[0]->text;
    EXPECT_TRUE(output.played().empty());
}

TEST_F(TestRunTest, AnUnreadableFormatIsShownAndTheVoiceStillPlays) {
    lines[0] = voices({"A.WAV", "B.WAV"});
    unreadable["A.WAV"] = Refusal::warning(msg::kWaveNotRiff);
    ASSERT_TRUE(start());
    ticks(1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(*shown[0], Refusal::warning(msg::kWaveNotRiff));
    EXPECT_EQ(view.label, "");  // not described
    EXPECT_TRUE(run.running());
    ticks(1);
    EXPECT_EQ(view.label, "B.WAV label");
    finish();
    EXPECT_EQ(output.played(), (std::vector<std::string>{"A.WAV", "B.WAV"}));
}

TEST(TestTable, ActiveLinesAndTheirValues) {
    std::vector<ProgramLine> lines(4);
    lines[0] = voices({"A.WAV", "", "B.WAV"}, "2");
    lines[1].ledType = "2";
    lines[1].ledTime = "";  // empty counts as 0
    lines[1].buzzerType = "1";
    lines[1].buzzerTime = "1.5";
    lines[2].ledType = "0";
    lines[2].ledTime = "9.0";  // dropped with type 0
    const std::vector<SoundEntry> sounds = {SoundEntry{}, sound("A.WAV")};

    const TestTable sheet = BuildTestTable(lines, sounds, rowOf(1), TestEntry::Sim);
    const TestLine& first = sheet.line(rowOf(1));
    EXPECT_TRUE(first.active);
    EXPECT_TRUE(first.hasVoices);
    EXPECT_EQ(first.voices[0], (TestVoice{"A.WAV", "/sounds/A.WAV"}));
    EXPECT_TRUE(first.voices[1].empty());
    EXPECT_EQ(first.voices[2], (TestVoice{"B.WAV", ""}));  // no Sound Entry of that name
    EXPECT_EQ(first.repeat, 2);
    const TestLine& second = sheet.line(rowOf(2));
    EXPECT_TRUE(second.active);
    EXPECT_EQ(second.ledTime, 0.0f);
    EXPECT_EQ(second.buzzerTime, 1.5f);
    EXPECT_FALSE(sheet.line(rowOf(3)).active);
    EXPECT_EQ(sheet.line(rowOf(3)).ledTime, 0.0f);
    EXPECT_FALSE(sheet.line(0).active);   // a header row
    EXPECT_FALSE(sheet.line(99).active);  // past the Line Count
    EXPECT_EQ(sheet.nextActiveRow(rowOf(1)), rowOf(2));
    EXPECT_EQ(sheet.nextActiveRow(rowOf(2)), 0);

    // A click makes only its own line active; the line button all of them.
    const TestTable click = BuildTestTable(lines, sounds, rowOf(2), TestEntry::Click);
    EXPECT_FALSE(click.line(rowOf(1)).active);
    EXPECT_TRUE(click.line(rowOf(2)).active);
    EXPECT_TRUE(BuildTestTable(lines, sounds, rowOf(2), TestEntry::LineButton).line(rowOf(1)).active);
}

}  // namespace
}  // namespace vexa
