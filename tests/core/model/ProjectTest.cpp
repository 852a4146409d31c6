#include "core/model/Project.h"

#include <gtest/gtest.h>

#include <memory>

namespace vexa {
namespace {

ProgramLine usedLine() {
    ProgramLine line;
    line.select = "2";
    line.repeat = "3";
    line.ledType = "1";
    line.ledTime = "1.5";
    line.buzzerType = "2";
    line.buzzerTime = "0.5";
    line.voices = {"a.wav", "b.wav", "", "", "", "", "", ""};
    line.time = "9.9";
    line.ex = {"1", "2", "3", "4"};
    return line;
}

void fillHeader(SheetHeader& h) {
    h.name = "朝";
    h.memo = "memo";
    h.volume = 3;
    h.startHour = "08";
    h.startMinute = "00";
    h.endHour = "17";
    h.endMinute = "30";
    h.weekdays.fill(1);
    h.seasons.fill(1);
}

TEST(Project, ClearedLineHoldsTheGridDefaults) {
    const ProgramLine line;
    EXPECT_EQ(line.select, "1");
    EXPECT_EQ(line.repeat, "1");
    EXPECT_EQ(line.ledType, "0");
    EXPECT_EQ(line.ledTime, "0.0");
    EXPECT_EQ(line.buzzerType, "0");
    EXPECT_EQ(line.buzzerTime, "0.0");
    EXPECT_EQ(line.voices, (std::array<std::string, 8>{}));
    EXPECT_EQ(line.time, "0.0");
    EXPECT_EQ(line.ex, (std::array<std::string, 4>{"0", "0", "0", "0"}));
    EXPECT_FALSE(line.inUse());
}

TEST(Project, LineInUseOnlyByVoiceOne) {
    ProgramLine line;
    line.voices[1] = "b.wav";
    EXPECT_FALSE(line.inUse());
    line.voices[0] = " ";
    EXPECT_FALSE(line.inUse());
    line.voices[0] = "a.wav";
    EXPECT_TRUE(line.inUse());
}

TEST(Project, ClearKeepsTheFlagsWithoutControlsAndLinesBeyondTheCount) {
    auto project = std::make_unique<Project>();
    for (auto& sheet : project->sheets) {
        fillHeader(sheet.header);
        for (auto& line : sheet.lines)
            line = usedLine();
    }
    project->clearSheets(10);

    for (int s = 0; s < kSheetCount; ++s) {
        const auto& sheet = project->sheets[s];
        SheetHeader expected;
        expected.weekdays[7] = 1;
        expected.seasons[13] = 1;
        EXPECT_EQ(sheet.header, expected) << "sheet " << s;
        EXPECT_EQ(sheet.lines[0], ProgramLine{});
        EXPECT_EQ(sheet.lines[9], ProgramLine{});
        EXPECT_EQ(sheet.lines[10], usedLine());
        EXPECT_EQ(sheet.lines[255], usedLine());
    }
    // The ninth slot belongs to no file and is not cleared with the others.
    EXPECT_EQ(project->sheets[8].header.name, "朝");
    EXPECT_EQ(project->sheets[8].lines[0], usedLine());
}

TEST(Project, ClearOneSheetOrNoLines) {
    auto project = std::make_unique<Project>();
    for (auto& sheet : project->sheets)
        sheet.lines[0] = usedLine();
    project->clearSheet(2, 256);
    EXPECT_EQ(project->sheets[2].lines[0], ProgramLine{});
    EXPECT_EQ(project->sheets[1].lines[0], usedLine());
    EXPECT_EQ(project->sheets[3].lines[0], usedLine());

    fillHeader(project->sheets[4].header);
    project->clearSheet(4, 0);  // Line Count 0: only the header
    EXPECT_EQ(project->sheets[4].lines[0], usedLine());
    EXPECT_TRUE(project->sheets[4].header.name.empty());

    project->clearSheets(1000);  // a setting beyond the slots is held to 256
    EXPECT_EQ(project->sheets[0].lines[255], ProgramLine{});
}

TEST(Project, SoundTableResetGrowAndFind) {
    Project project;
    EXPECT_EQ(project.sounds.size(), 1U);
    project.growSoundTable(2);
    project.sounds[0].fileName = "a.wav";
    project.sounds[1].fileName = "B.wav";
    project.sounds[2].fileName = "a.wav";
    project.soundPresent = true;

    EXPECT_EQ(project.findSound("a.wav"), 0U);  // the first of equal names
    EXPECT_EQ(project.findSound("B.wav"), 1U);
    EXPECT_EQ(project.findSound("b.wav"), std::nullopt);  // case matters
    EXPECT_EQ(project.findSound("a.wav "), std::nullopt);

    project.growSoundTable(4);
    EXPECT_EQ(project.sounds.size(), 5U);
    EXPECT_EQ(project.sounds[2].fileName, "a.wav");
    EXPECT_EQ(project.findSound(""), std::nullopt);  // empty slots name nothing

    project.growSoundTable(1);  // the loader's table ends at the last index read
    EXPECT_EQ(project.sounds.size(), 2U);
    EXPECT_EQ(project.sounds[1].fileName, "B.wav");

    project.resetSoundTable();
    EXPECT_EQ(project.sounds, std::vector<SoundEntry>(1));
    EXPECT_FALSE(project.soundPresent);
}

TEST(Project, LineTimeFromTheLengthTexts) {
    Project project;
    project.growSoundTable(3);
    project.sounds[0] = {"a.wav", "", "", "", "1.24", "", "", ""};
    project.sounds[1] = {"b.wav", "", "", "", "0.76", "", "", ""};
    project.sounds[2] = {"c.wav", "", "", "", "-0.001", "", "", ""};  // not measurable
    project.sounds[3] = {"d.wav", "", "", "", "", "", "", ""};

    struct Case {
        std::string repeat;
        std::array<std::string, 8> voices;
        std::optional<std::string> time;
    };
    const Case cases[] = {
        {"2", {"a.wav", "b.wav"}, "4.0"},  // 1.2 + 0.8, times 2
        {"", {"a.wav"}, "1.2"},            // empty Repeat counts as 1
        {"1", {"a.wav", "", "a.wav"}, "2.4"},
        {"1", {"c.wav", "d.wav"}, "0.0"},
        {"3", {"zz.wav", "b.wav"}, "2.4"},  // a name not in the table adds nothing
        {"1", {}, "0.0"},
        {"x", {"a.wav"}, std::nullopt},
        {"1e308", {"a.wav", "b.wav"}, std::nullopt},  // a product beyond any time, not "inf"
        {"1e6", {"a.wav", "b.wav"}, "2000000.0"},
        {"1e7", {"a.wav", "b.wav"}, std::nullopt},     // 2e10 ms: more than 32 bits count
    };
    for (const auto& c : cases) {
        ProgramLine line;
        line.repeat = c.repeat;
        line.voices = c.voices;
        EXPECT_EQ(project.lineTime(line), c.time) << c.repeat << " " << c.voices[0];
    }
    ProgramLine line;
    line.voices[0] = "b.wav";
    // Lengths that are no number, and the largest double, which rounds to
    // "1.79769313486232e308" and so beyond every double.
    for (const char* length : {"abc", "1.7976931348623157e308", "31E308"}) {
        project.sounds[1].length = length;
        EXPECT_EQ(project.lineTime(line), std::nullopt) << length;
    }
}

}  // namespace
}  // namespace vexa
