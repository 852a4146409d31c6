// vexa timeline: a sheet of a small Control File played without sound, its
// JSON tick by tick, the warning when it outlasts its time window, and the
// refusals.
#include "TestPaths.h"
#include "WaveFileBytes.h"
#include "core/config/Messages.h"
#include "core/controlfile/ControlFileWriter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace vexa::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using Json = nlohmann::json;

constexpr int kLines = 5;

class TimelineCommand : public ::testing::Test {
protected:
    TimelineCommand() {
        // 8 kHz mono 8-bit: 8 bytes a millisecond.
        writeBytes(dir / "A.WAV", pcmWave(1, 8000, 8, 8000));  // 1.0 s
        writeBytes(dir / "B.WAV", pcmWave(1, 8000, 8, 4000));  // 0.5 s
        settings.maxLine = kLines;
        settings.addFunction1 = 1;
        project.clearSheets(kLines);
        project.sounds = {SoundEntry{}, sound("A.WAV"), sound("B.WAV")};
        project.soundPresent = true;
        project.patterns.led[0] = {"0.5", "0.5"};
        project.patterns.led[1] = project.patterns.led[2] = {"9.0", "9.0"};
        project.patterns.buzzer = project.patterns.led;
        for (ProgramSheet& sheet : project.sheets) {
            // Line 2: A then B, the LED blinking with pattern A for 1.0 s.
            sheet.lines[1].voices[0] = "A.WAV";
            sheet.lines[1].voices[1] = "B.WAV";
            sheet.lines[1].ledType = "2";
            sheet.lines[1].ledTime = "1.0";
            // Line 4: B with 0.5 s of BUZZER.
            sheet.lines[3].voices[0] = "B.WAV";
            sheet.lines[3].buzzerType = "1";
            sheet.lines[3].buzzerTime = "0.5";
            sheet.header.startHour = "08";
            sheet.header.startMinute = "00";
            sheet.header.endHour = "08";
            sheet.header.endMinute = "01";
        }
    }

    SoundEntry sound(const std::string& name) {
        return {name, "8.KHz", "8bit", "Mono", "", "", (dir / name).string(), ""};
    }

    CommandResult timeline(std::vector<std::string> extra) {
        EXPECT_TRUE(WriteControlFile(project, settings, file));
        std::vector<std::string> args{"timeline", file.string(), "--home", programFolder().string(),
                                      "--lines", std::to_string(kLines), "--multi"};
        args.insert(args.end(), extra.begin(), extra.end());
        return runVexa(args);
    }

    TempDir dir;
    fs::path file = dir / "TEST.vxa";
    Settings settings;
    Project project;
};

TEST_F(TimelineCommand, JsonGivesEachLineVoiceAndOutputInTicks) {
    const CommandResult result = timeline({"--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const Json expected = Json::parse(R"({
        "sheet": 1, "ticks": 46, "seconds": 2.3, "window_seconds": 60, "fits": true,
        "lines": [
          {"line": 2, "start_tick": 3, "end_tick": 34, "start_seconds": 0.15, "end_seconds": 1.7,
           "voices": [{"file": "A.WAV", "start_tick": 3}, {"file": "B.WAV", "start_tick": 23}],
           "led": [{"tick": 3, "on": true}, {"tick": 13, "on": false}],
           "buzzer": []},
          {"line": 4, "start_tick": 35, "end_tick": 46, "start_seconds": 1.75, "end_seconds": 2.3,
           "voices": [{"file": "B.WAV", "start_tick": 35}],
           "led": [],
           "buzzer": [{"tick": 35, "on": true}, {"tick": 45, "on": false}]}
        ],
        "notes": []})");
    EXPECT_EQ(Json::parse(result.out), expected) << result.out;
}

TEST_F(TimelineCommand, OneLineAndTheTextForm) {
    const CommandResult line = timeline({"--line", "4", "--json"});
    ASSERT_EQ(line.exitCode, 0) << line.err;
    const Json out = Json::parse(line.out);
    ASSERT_EQ(out["lines"].size(), 1u);
    EXPECT_EQ(out["lines"][0]["line"], 4);
    EXPECT_EQ(out["lines"][0]["start_tick"], 1);
    EXPECT_EQ(out["ticks"], 12);

    const CommandResult text = timeline({});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_THAT(text.out, HasSubstr("line 2: tick 3 (0.15 s) to tick 34 (1.70 s)\n"));
    EXPECT_THAT(text.out, HasSubstr("  tick 23 (1.15 s)  voice B.WAV\n"));
    EXPECT_THAT(text.out, HasSubstr("  tick 35 (1.75 s)  BUZZER sounding\n"));
    EXPECT_THAT(text.out, HasSubstr("total: 46 ticks, 2.30 s\n"));
}

TEST_F(TimelineCommand, ASheetLongerThanItsWindowIsWarnedAbout) {
    project.sheets[1].header.endMinute = "00";  // 08:00 to 08:00
    const CommandResult result = timeline({"--sheet", "2", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Json::parse(result.out)["window_seconds"], 0);
    EXPECT_EQ(Json::parse(result.out)["fits"], false);
    EXPECT_THAT(result.err, HasSubstr("warning: the sheet lasts 2.30 s, longer than its time window of 0 s"));
}

TEST_F(TimelineCommand, RefusesAnUnloadableFileOrASheetThatFailsItsCheck) {
    project.sheets[2].lines[1].ledTime = "400.0";  // past 300 s
    const CommandResult failing = timeline({"--sheet", "3"});
    EXPECT_EQ(failing.exitCode, 1);
    EXPECT_THAT(failing.err, HasSubstr(GetMsg(msg::kOutputTimeRange)));
    EXPECT_THAT(failing.err, HasSubstr("line 2"));
    EXPECT_EQ(failing.out, "");

    fs::remove(file);
    const CommandResult missing = runVexa({"timeline", file.string(), "--home", programFolder().string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err, "");
}

TEST_F(TimelineCommand, AVoiceThatCannotBePlayedEndsTheRunWithItsName) {
    const CommandResult written = timeline({"--json"});  // writes the file
    ASSERT_EQ(written.exitCode, 0) << written.err;
    // The Sound Table is read from the files beside the Control File: the
    // file goes after loading would be too late, so make it unplayable.
    writeBytes(dir / "B.WAV", riff(chunk("fmt ", pcmFormat(1, 8000, 8))));  // no data chunk
    const CommandResult result = runVexa({"timeline", file.string(), "--home", programFolder().string(), "--lines",
                                          std::to_string(kLines), "--multi", "--json"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.err, HasSubstr("B.WAV"));
    EXPECT_THAT(Json::parse(result.out)["error"].get<std::string>(), HasSubstr("B.WAV"));
}

}  // namespace
}  // namespace vexa::test
