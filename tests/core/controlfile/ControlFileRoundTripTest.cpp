#include "core/controlfile/ControlFileReader.h"
#include "core/controlfile/ControlFileWriter.h"

#include "ControlFileTestData.h"
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

using test::settingsFor;

// Every sheet in use, with values the file keeps exactly.
std::unique_ptr<Project> fullProject(const std::filesystem::path& folder, int lineCount) {
    auto p = test::exampleProject(folder);
    for (int s = 0; s < kSheetCount; ++s) {
        for (int n = 0; n < lineCount; ++n) {
            ProgramLine& line = p->sheets[s].lines[n];
            if ((n + s) % 3 == 2)
                continue;  // an unused line
            line.select = std::to_string(1 + (n % 4));
            line.repeat = std::to_string(1 + (s % 3));
            line.voices = {};
            for (int v = 0; v <= (n + s) % 8; ++v)
                line.voices[v] = v % 2 ? "b.wav" : "a.wav";
            line.time = *p->lineTime(line);
            line.ledType = std::to_string(n % 5);
            line.ledTime = line.ledType == "0" ? "0.0" : "1.5";
            line.buzzerType = std::to_string(s % 5);
            line.buzzerTime = line.buzzerType == "0" ? "0.0" : "12.3";
            line.ex = {"1", "0", std::to_string(s), "2"};
        }
        SheetHeader& h = p->sheets[s].header;
        h.name = "シート" + std::to_string(s);
        h.memo = "memo, with a comma";
        h.volume = static_cast<std::int16_t>(s);
        h.startHour = "0" + std::to_string(s);
        h.startMinute = "15";
        h.endHour = "2" + std::to_string(s % 4);
        h.endMinute = "45";
        for (int i = 0; i < kWeekdayFlags; ++i)
            h.weekdays[i] = static_cast<std::int16_t>((i + s) % 2);
        for (int i = 0; i < kSeasonFlags - 1; ++i)
            h.seasons[i] = static_cast<std::int16_t>((i * s) % 2);
    }
    return p;
}

class ControlFileRoundTrip : public ::testing::Test {
protected:
    void SetUp() override { test::writeExampleSounds(dir.path()); }

    std::unique_ptr<Project> writeAndLoad(const Project& original, const Settings& settings) {
        EXPECT_TRUE(WriteControlFile(original, settings, dir / "r.vxa"));
        auto loaded = std::make_unique<Project>();
        EXPECT_TRUE(LoadKtrFile(dir / "r.vxa", *loaded, settings));
        EXPECT_TRUE(dialogs.shown.empty());
        return loaded;
    }

    test::TempDir dir;
    test::ScriptedDialogs dialogs;
};

TEST_F(ControlFileRoundTrip, MultiSheetComesBackWhole) {
    const int lineCount = 20;
    const auto original = fullProject(dir.path(), lineCount);
    const auto loaded = writeAndLoad(*original, settingsFor(lineCount, true));
    for (int s = 0; s < kSheetCount; ++s) {
        for (int n = 0; n < lineCount; ++n)
            ASSERT_EQ(loaded->sheets[s].lines[n], original->sheets[s].lines[n]) << s << " " << n;
        ASSERT_EQ(loaded->sheets[s].header, original->sheets[s].header) << s;
    }
    EXPECT_EQ(loaded->sounds, original->sounds);
    EXPECT_EQ(loaded->soundPresent, true);
    EXPECT_EQ(loaded->patterns, original->patterns);
    EXPECT_EQ(loaded->card, original->card);
}

TEST_F(ControlFileRoundTrip, SingleSheetLeavesHeadersAndOtherSheetsOut) {
    const auto original = fullProject(dir.path(), 5);
    const auto loaded = writeAndLoad(*original, settingsFor(5, false));
    for (int n = 0; n < 5; ++n)
        EXPECT_EQ(loaded->sheets[0].lines[n], original->sheets[0].lines[n]);
    for (int s = 0; s < kSheetCount; ++s)
        EXPECT_EQ(loaded->sheets[s].header, SheetHeader{});
    EXPECT_EQ(loaded->sheets[1].lines[0], ProgramLine{});
}

TEST_F(ControlFileRoundTrip, DocumentedLosses) {
    auto original = test::exampleProject(dir.path());
    ProgramLine& line = original->sheets[0].lines[0];
    line.voices = {"a.wav", "zz.wav", "b.wav"};  // an unknown voice, then a gap
    line.ledTime = "1.234";
    original->sheets[0].header.weekdays[7] = 1;
    original->sheets[0].header.seasons[13] = 1;
    const auto loaded = writeAndLoad(*original, settingsFor(3, true));
    const ProgramLine& back = loaded->sheets[0].lines[0];
    EXPECT_EQ(back.voices, (std::array<std::string, 8>{"a.wav", "b.wav"}));
    EXPECT_EQ(back.ledTime, "1.2");
    EXPECT_EQ(loaded->sheets[0].header.weekdays[7], 1);  // written back as it came
    EXPECT_EQ(loaded->sheets[0].header.seasons[13], 0);  // never written
    EXPECT_EQ(loaded->user, UserInformation{});           // not read back
}

TEST_F(ControlFileRoundTrip, GapInTheSoundTableSurvives) {
    auto original = test::exampleProject(dir.path());
    original->sounds.insert(original->sounds.begin() + 1, SoundEntry{});
    original->sounds[1].comment = "gap comment";
    const auto loaded = writeAndLoad(*original, settingsFor(3, false));
    EXPECT_EQ(loaded->sounds, original->sounds);
}

TEST_F(ControlFileRoundTrip, LoadingAndWritingTheExampleGivesTheSameBytes) {
    std::filesystem::copy_file(test::fixture("model/example.vxa"), dir / "in.vxa");
    Project project;
    project.user = test::exampleProject(dir.path())->user;  // the running configuration's
    ASSERT_TRUE(LoadKtrFile(dir / "in.vxa", project, settingsFor(3, false)));
    ASSERT_TRUE(WriteControlFile(project, settingsFor(3, false), dir / "out.vxa"));
    EXPECT_EQ(test::readBytes(dir / "out.vxa"), test::readBytes(dir / "in.vxa"));
}

}  // namespace
}  // namespace vexa
