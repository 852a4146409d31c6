#include "core/controlfile/ControlFileWriter.h"

#include "ControlFileTestData.h"
#include "core/text/Cp932.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

using test::crlfLines;
using test::kHeader;
using test::settingsFor;

// The lines after the header and up to "#0", from the written text.
std::vector<std::string> bodyLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    const auto zero = std::find(lines.begin(), lines.end(), "#0");
    return {lines.begin() + 5, zero};
}

TEST(ControlFileWriter, DocumentedExampleByteForByte) {
    test::TempDir dir;
    const auto project = test::exampleProject(dir.path());
    const auto target = dir / "CHIME01.vxa";
    ASSERT_TRUE(WriteControlFile(*project, settingsFor(3, false), target));
    EXPECT_EQ(test::readBytes(target), test::readBytes(test::fixture("model/example.vxa")));
}

TEST(ControlFileWriter, MultiSheetSectionsAndHeaderBlocks) {
    test::TempDir dir;
    auto project = test::exampleProject(dir.path());
    project->sheets[0].lines[1] = ProgramLine{};
    project->sheets[0].lines[2] = ProgramLine{};  // beyond Line Count 2 anyway
    // Sheet 2: a line with outputs; a line with only Voice 2 set.
    ProgramLine& a = project->sheets[2].lines[0];
    a.voices[0] = "b.wav";
    a.ledType = "2";
    a.ledTime = "0.5";
    a.buzzerType = "0";
    a.buzzerTime = "3.0";
    a.ex = {"1", "0", "2", "0"};
    project->sheets[2].lines[1].voices[1] = "a.wav";
    SheetHeader& h = project->sheets[2].header;
    h.name = "二番";
    h.memo = "メモ,カンマ";
    h.volume = 3;
    h.startHour = "08";
    h.startMinute = "00";
    h.endHour = "17";
    h.endMinute = "30";
    h.weekdays = {1, 1, 1, 1, 1, 0, 0, 1};
    h.seasons[0] = 1;
    h.seasons[13] = 1;  // never written
    // Sheet 5: Voice 1 names no sound; sheet 6: only a line beyond the count.
    project->sheets[5].lines[0].voices[0] = "zz.wav";
    project->sheets[5].header.name = "五";
    project->sheets[6].lines[2].voices[0] = "a.wav";
    project->sheets[6].header.name = "not written";

    const auto text = ControlFileText(*project, settingsFor(2, true));
    ASSERT_TRUE(text);
    const std::vector<std::string> expected = {
        "#2", "0,a.wav", "1,b.wav",
        "#3", "0,1,1,0,1", "1*",
        "#4A", "0,00500,00500", "1,01000,01000", "2,00200,00800",
        "#4B", "0,00300,00700", "1,01000,00000", "2,02500,02500",
        "#5", "0,0,1,00001500,0,00000000,0,0,0,0", "1*",
        "#3X01*",
        "#3X02", "0,1,1,1", "1,1,1,0",
        "#3X03*", "#3X04*",
        "#3X05", "0*", "1*",
        "#3X06*", "#3X07*",
        "#5X01*",
        "#5X02", "0,0,2,00000500,0,00000000,1,0,2,0", "1*",
        "#5X03*", "#5X04*",
        "#5X05", "0,0,0,00000000,0,00000000,0,0,0,0", "1*",
        "#5X06*", "#5X07*",
        "#6X00A", "", "", "#6X00C", "0,,,,", "0,0,0,0,0,0,0,0", "0,0,0,0,0,0,0,0,0,0,0,0,0",
        "#6X01A*", "#6X01C*",
        "#6X02A", "二番", "メモ,カンマ", "#6X02C", "3,08,00,17,30", "1,1,1,1,1,0,0,1",
        "1,0,0,0,0,0,0,0,0,0,0,0,0",
        "#6X03A*", "#6X03C*", "#6X04A*", "#6X04C*",
        "#6X05A", "五", "", "#6X05C", "0,,,,", "0,0,0,0,0,0,0,0", "0,0,0,0,0,0,0,0,0,0,0,0,0",
        "#6X06A*", "#6X06C*", "#6X07A*", "#6X07C*",
    };
    EXPECT_EQ(bodyLines(*text), expected);
}

TEST(ControlFileWriter, EmptyProjectAndLineCountZero) {
    Project project;
    project.sheets[0].lines[0].voices[0] = "a.wav";  // not in use with Line Count 0
    auto text = ControlFileText(project, settingsFor(0, false));
    ASSERT_TRUE(text);
    std::vector<std::string> expected = {"#2*", "#3*", "#4A", "0,00000,00000", "1,00000,00000",
                                         "2,00000,00000", "#4B", "0,00000,00000", "1,00000,00000",
                                         "2,00000,00000", "#5", "*"};
    EXPECT_EQ(bodyLines(*text), expected);
    EXPECT_TRUE(text->ends_with("#1\r\n" + crlfLines(std::vector<std::string>(17, "")) + "#S*\r\n"));
    EXPECT_TRUE(text->starts_with(crlfLines(kHeader)));

    text = ControlFileText(project, settingsFor(0, true));
    ASSERT_TRUE(text);
    for (int s = 1; s < 8; ++s) {
        const std::string ss = "0" + std::to_string(s);
        expected.insert(expected.begin() + 11 + s, "#3X" + ss + "*");
        expected.push_back("#5X" + ss + "*");
    }
    for (int s = 0; s < 8; ++s) {
        expected.push_back("#6X0" + std::to_string(s) + "A*");
        expected.push_back("#6X0" + std::to_string(s) + "C*");
    }
    EXPECT_EQ(bodyLines(*text), expected);
}

TEST(ControlFileWriter, VoicesArePackedAndUnknownOnesDropped) {
    Project project;
    project.sounds = {test::namedSound("a.wav"), test::namedSound("B.WAV"), test::namedSound("c.wav")};
    project.soundPresent = true;
    project.sheets[0].lines[0].voices = {"c.wav", " ", "a.wav", "b.wav", "", "B.WAV", "zz.wav", "a.wav"};
    project.sheets[0].lines[1].voices = {"", "a.wav"};   // voice line written, control line not
    project.sheets[0].lines[2].voices = {" ", "c.wav"};  // a single space is not in use
    project.sheets[0].lines[3].voices = {"zz.wav"};       // in use, but names no sound
    const auto text = ControlFileText(project, settingsFor(4, false));
    ASSERT_TRUE(text);
    const auto lines = bodyLines(*text);
    const std::vector<std::string> voices(lines.begin() + 4, lines.begin() + 9);
    EXPECT_EQ(voices, (std::vector<std::string>{"#3", "0,1,1,2,0,1,0", "1,1,1,0", "2,1,1,2", "3*"}));
    const std::vector<std::string> controls(lines.end() - 5, lines.end());
    EXPECT_EQ(controls, (std::vector<std::string>{"#5", "0,0,0,00000000,0,00000000,0,0,0,0", "1*", "2*",
                                                  "3,0,0,00000000,0,00000000,0,0,0,0"}));
}

TEST(ControlFileWriter, OutputTimesInMilliseconds) {
    struct Case {
        std::string type, time, written;
    };
    const Case cases[] = {
        {"1", "1.5", "00001500"},  {"1", "1.234", "00001234"}, {"1", "0.0005", "00000001"},
        {"0", "2.0", "00000000"},  {"", "2.0", "00000000"},    {"0.0", "2.0", "00000000"},
        {"3", "", "00000000"},     {"1", "123456.7", "123456700"}, {"2", " 2 ", "00002000"},
    };
    for (const auto& c : cases) {
        Project project;
        project.sounds[0].fileName = "a.wav";
        project.soundPresent = true;
        ProgramLine& line = project.sheets[0].lines[0];
        line.voices[0] = "a.wav";
        line.buzzerType = c.type;
        line.buzzerTime = c.time;
        const auto text = ControlFileText(project, settingsFor(1, false));
        ASSERT_TRUE(text) << c.type << " " << c.time;
        const std::string expected = "0,0,0,00000000," + c.type + "," + c.written + ",0,0,0,0\r\n#0";
        EXPECT_NE(text->find(expected), std::string::npos) << c.type << " " << c.time;
    }
}

TEST(ControlFileWriter, TimeThatIsNoNumberWritesNothing) {
    test::TempDir dir;
    const auto target = dir / "CARD.vxa";
    test::writeBytes(target, "previous");
    Project project;
    project.sounds[0].fileName = "a.wav";
    project.soundPresent = true;
    project.sheets[0].lines[0].voices[0] = "a.wav";
    project.sheets[0].lines[0].ledType = "1";
    project.sheets[0].lines[0].ledTime = "1,5";
    const WriteResult refused = WriteControlFile(project, settingsFor(1, false), target);
    EXPECT_EQ(refused.problem, WriteProblem::InvalidContent);
    EXPECT_TRUE(refused.message.starts_with("「" + target.string() + "」に書き込めません：")) << refused.message;
    // Times beyond a 32-bit count of milliseconds, however they were typed.
    for (const char* time : {"1e306", "1.7976931348623157e308", "2147483.648", "-2147483.648", "1e20"}) {
        project.sheets[0].lines[0].ledTime = time;
        EXPECT_EQ(WriteControlFile(project, settingsFor(1, false), target).problem, WriteProblem::InvalidContent)
            << time;
    }
    project.sheets[0].lines[0].ledTime = "2147483.647";  // the largest count: written
    const auto largest = ControlFileText(project, settingsFor(1, false));
    ASSERT_TRUE(largest);
    EXPECT_NE(largest->find(",1,2147483647,"), std::string::npos);
    project.patterns.led[0].on = "1e300";
    EXPECT_EQ(WriteControlFile(project, settingsFor(1, false), target).problem, WriteProblem::InvalidContent);
    project.patterns.led[0].on = "0.5";
    project.sheets[0].lines[0].ledTime = "1.5";
    project.patterns.led[1].off = "x";
    EXPECT_FALSE(WriteControlFile(project, settingsFor(1, false), target));
    EXPECT_EQ(test::readBytes(target), "previous");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    project.patterns.led[1].off = "1.0";
    EXPECT_TRUE(WriteControlFile(project, settingsFor(1, false), target));
    EXPECT_TRUE(test::readBytes(target).starts_with("Vexa Editor\r\n"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(ControlFileWriter, UnwritableFolderFails) {
    test::TempDir dir;
    Project project;
    EXPECT_FALSE(WriteControlFile(project, settingsFor(1, false), dir / "missing" / "CARD.vxa"));
}

TEST(ControlFileWriter, TextsAreWrittenInCp932) {
    Project project;
    project.card.memo1 = "～①";      // CP932's own codes
    project.card.memo2 = "a😀b";    // no CP932 code: "?"
    const auto text = ControlFileText(project, settingsFor(1, false));
    ASSERT_TRUE(text);
    test::TempDir dir;
    ASSERT_TRUE(WriteControlFile(project, settingsFor(1, false), dir / "c.vxa"));
    const std::string bytes = test::readBytes(dir / "c.vxa");
    EXPECT_NE(bytes.find("\x81\x60\x87\x40\r\na?b\r\n#S*\r\n"), std::string::npos);
    EXPECT_EQ(bytes, cp932::fromUtf8(*text));
}

}  // namespace
}  // namespace vexa
