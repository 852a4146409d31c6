// A test run played through at once without sound: lines, voices and the
// LED and BUZZER changes in ticks, a voice that cannot be played, and the
// sheet's time window.
#include "core/editor/TestTimeline.h"

#include "core/editor/GridColumns.h"

#include "TestPaths.h"
#include "WaveFileBytes.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

constexpr int rowOf(int line) { return line + kGridHeaderRows - 1; }  // line from 1

class TestTimelineTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::vector<ProgramLine> lines = std::vector<ProgramLine>(5);
    std::vector<SoundEntry> sounds = {SoundEntry{}};
    PatternTimes patterns;

    // A mono 8-bit WAVE file of 8 kHz lasting `ms`.
    void addSound(const std::string& name, int ms) {
        test::writeBytes(dir / name, test::pcmWave(1, 8000, 8, static_cast<std::uint32_t>(8 * ms)));
        sounds.push_back({name, "8.KHz", "8bit", "Mono", "", "", (dir / name).string(), ""});
    }
    Timeline sheet() {
        return RunTimeline(BuildTestTable(lines, sounds, rowOf(1), TestEntry::Sim), rowOf(1), TestEntry::Sim,
                           patterns);
    }
};

TEST_F(TestTimelineTest, LinesVoicesAndOutputsInTicks) {
    addSound("A.WAV", 1000);  // 20 ticks
    addSound("B.WAV", 500);   // 10 ticks
    lines[1].voices = {"A.WAV", "B.WAV"};
    lines[1].ledType = "2";  // pattern A: 0.5 s lit, 0.5 s dark
    lines[1].ledTime = "1.0";
    lines[3].buzzerType = "1";
    lines[3].buzzerTime = "0.5";
    patterns.led[0] = {"0.5", "0.5"};

    const Timeline t = sheet();
    EXPECT_TRUE(t.started);
    EXPECT_FALSE(t.fault);
    EXPECT_TRUE(t.notes.empty());
    ASSERT_EQ(t.lines.size(), 2u);  // line 1, empty, passes in two ticks without being listed
    // Line 2 from tick 3: A for 20 ticks, B for 10; the LED lit for 10
    // ticks, dark for 10, then its 1.0 s is over (the turn back to lit at
    // that tick is never seen). The line is over at the tick after B.
    EXPECT_EQ(t.lines[0], (TimelineLine{rowOf(2), 3, 34, {{"A.WAV", 3}, {"B.WAV", 23}}, {{3, true}, {13, false}}, {}}));
    // Line 4 at the tick after; its 0.5 s of BUZZER are over after ten
    // single-precision steps (0.50000006 s), and so is the test.
    EXPECT_EQ(t.lines[1], (TimelineLine{rowOf(4), 35, 45, {}, {}, {{35, true}, {45, false}}}));
    EXPECT_EQ(t.ticks, 45);
    EXPECT_DOUBLE_EQ(t.seconds(), 2.25);
}

TEST_F(TestTimelineTest, AVoiceThatCannotBePlayedEndsTheRun) {
    addSound("A.WAV", 100);
    lines[0].voices[0] = "A.WAV";
    lines[2].voices[0] = "MISSING.WAV";
    sounds.push_back({"MISSING.WAV", "", "", "", "", "", (dir / "MISSING.WAV").string(), ""});

    const Timeline t = sheet();
    ASSERT_TRUE(t.fault);
    EXPECT_NE(t.fault->text.find("MISSING.WAV"), std::string::npos);
    ASSERT_EQ(t.lines.size(), 2u);
    EXPECT_EQ(t.lines[1].startTick, t.ticks);  // ended where it started
    EXPECT_EQ(t.lines[1].endTick, t.ticks);
}

TEST_F(TestTimelineTest, NothingToPlay) {
    const Timeline t = sheet();
    EXPECT_FALSE(t.started);
    EXPECT_EQ(t.ticks, 0);
    EXPECT_TRUE(t.lines.empty());
}

TEST(SheetWindow, StartToEndInSeconds) {
    struct Case {
        const char* start[2];
        const char* end[2];
        std::optional<int> seconds;
    };
    const Case cases[] = {
        {{"08", "00"}, {"08", "30"}, 1800},
        {{"23", "30"}, {"00", "15"}, 2700},  // across midnight
        {{"08", "00"}, {"08", "00"}, 0},
        {{"", "00"}, {"08", "30"}, std::nullopt},  // not set
        {{"08", "00"}, {"08", ""}, std::nullopt},
        {{"24", "00"}, {"08", "30"}, std::nullopt},  // not a time of day
    };
    for (const Case& c : cases) {
        SheetHeader header;
        header.startHour = c.start[0];
        header.startMinute = c.start[1];
        header.endHour = c.end[0];
        header.endMinute = c.end[1];
        EXPECT_EQ(SheetWindowSeconds(header), c.seconds) << c.start[0] << ":" << c.start[1] << "-" << c.end[0];
    }
}

}  // namespace
}  // namespace vexa
