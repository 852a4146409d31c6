#include "core/controlfile/ControlFileReader.h"

#include "ControlFileTestData.h"
#include "ScriptedDialogs.h"
#include "core/config/Messages.h"
#include "core/controlfile/ControlFileWriter.h"
#include "core/text/Cp932.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace vexa {
namespace {

using test::crlfLines;
using test::kHeader;
using test::settingsFor;
const std::string kLoadFailed = GetMsg(2504);

// A load as the editor makes it: the refusals the loader returns are shown
// in their order.
bool LoadShowing(const std::filesystem::path& file, Project& project, const Settings& settings,
                 UserDialogs& dialogs) {
    const ControlFileLoad load = LoadKtrFile(file, project, settings);
    ShowLoadRefusals(dialogs, load);
    return static_cast<bool>(load);
}

// A folder with a.wav and b.wav, where Control Files are written and loaded.
class ControlFileReaderTest : public ::testing::Test {
protected:
    void SetUp() override { test::writeExampleSounds(dir.path()); }

    // Writes the lines (UTF-8) as a CP932 file and loads it.
    bool load(const std::vector<std::string>& lines, int lineCount = 3, bool multiSheet = false,
              const std::string& name = "t.vxa") {
        return loadBytes(cp932::fromUtf8(crlfLines(lines)), lineCount, multiSheet, name);
    }

    bool loadBytes(const std::string& bytes, int lineCount = 3, bool multiSheet = false,
                   const std::string& name = "t.vxa") {
        test::writeBytes(dir / name, bytes);
        dialogs.shown.clear();
        return LoadShowing(dir / name, *project, settingsFor(lineCount, multiSheet), dialogs);
    }

    std::vector<std::string> withHeader(std::vector<std::string> lines) {
        lines.insert(lines.begin(), kHeader.begin(), kHeader.end());
        return lines;
    }

    const ProgramLine& line(int sheet, int n) const { return project->sheets[sheet].lines[n]; }

    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<Project> project = std::make_unique<Project>();
};

TEST_F(ControlFileReaderTest, DocumentedExampleLoads) {
    std::filesystem::copy_file(test::fixture("model/example.vxa"), dir / "CHIME01.vxa");
    project->user.values[0] = "running";
    ASSERT_TRUE(LoadShowing(dir / "CHIME01.vxa", *project, settingsFor(3, false), dialogs));
    EXPECT_TRUE(dialogs.shown.empty());

    const auto expected = test::exampleProject(dir.path());
    EXPECT_EQ(project->sounds, expected->sounds);  // formats measured from the files
    EXPECT_TRUE(project->soundPresent);
    for (int n = 0; n < 3; ++n)
        EXPECT_EQ(line(0, n), expected->sheets[0].lines[n]) << n;
    EXPECT_EQ(project->patterns, expected->patterns);
    EXPECT_EQ(project->card, expected->card);
    EXPECT_EQ(project->user.values[0], "running");  // not read from the file
}

TEST_F(ControlFileReaderTest, LineEndsCrLfCrOrLf) {
    const std::string lines[] = {"#2", "0,a.wav", "#3", "0,1,2,0", "#S", "コメント"};
    for (const char* end : {"\r\n", "\r", "\n"}) {
        std::string bytes;
        for (const auto& l : lines)
            bytes += cp932::fromUtf8(l) + end;
        bytes.resize(bytes.size() - std::string(end).size());  // the last line needs no end
        ASSERT_TRUE(loadBytes(bytes)) << int(end[0]);
        EXPECT_EQ(line(0, 0).voices[0], "a.wav");
        EXPECT_EQ(line(0, 0).time, "2.0");
        EXPECT_EQ(project->sounds[0].comment, "コメント");
    }
    // CR CR is two line ends: an empty comment line between.
    ASSERT_TRUE(loadBytes("#2\r\n0,a.wav\r\n1,b.wav\r\n#S\r\rsecond\r\n"));
    EXPECT_EQ(project->sounds[0].comment, "");
    EXPECT_EQ(project->sounds[1].comment, "second");
}

TEST_F(ControlFileReaderTest, LoneLfIsDataInAFileWithCr) {
    // A Title holding a LF must not push CardName and the rest down a line.
    for (const char* end : {"\r\n", "\r"}) {
        const std::string bytes = std::string("#1") + end + "Title\nmore" + end + "NAME" + end + "FOLDER" + end;
        ASSERT_TRUE(loadBytes(bytes)) << int(end[0]);
        EXPECT_EQ(project->card.title, "Title\nmore");
        EXPECT_EQ(project->card.cardName, "NAME");
        EXPECT_EQ(project->card.folder, "FOLDER");
    }
    // One CR anywhere, even at the end, makes every lone LF data.
    *project = Project{};
    ASSERT_TRUE(loadBytes("#1\nTitle\nNAME\r"));
    EXPECT_EQ(project->card.title, "");
    EXPECT_EQ(project->card.cardName, "");
}

TEST_F(ControlFileReaderTest, ExtensionDecidesTheForm) {
    const std::vector<std::string> card = {"#1", "TITLE", "NAME", "FOLDER", "0", "", "TYPE", "1",
                                           "in", "out", "voice", "buzzer", "ex", "corp", "maker", "date",
                                           "m1", "m2", "extra line"};
    ASSERT_TRUE(load(card, 3, false, "t.VXA"));
    EXPECT_EQ(project->card.title, "TITLE");
    EXPECT_EQ(project->card.reservedNumber, "0");
    EXPECT_EQ(project->card.cardSize, "1");
    EXPECT_EQ(project->card.prgDate, "date");
    EXPECT_EQ(project->card.memo2, "m2");

    *project = Project{};
    ASSERT_TRUE(load(card, 3, false, "old.Ktr"));
    EXPECT_EQ(project->card.cardType, "TYPE");

    *project = Project{};
    ASSERT_TRUE(load(card, 3, false, "chime.wpj"));
    CardInformation reduced;
    reduced.cardName = "TITLE";
    reduced.folder = "NAME";
    reduced.prgCorp = "maker";
    reduced.prgMake = "date";
    EXPECT_EQ(project->card, reduced);

    project->sheets[0].lines[0].select = "5";
    for (const char* other : {"t.txt", "t.vx", "t", "t.vxa.bak"}) {
        EXPECT_FALSE(load(card, 3, false, other)) << other;
        EXPECT_TRUE(dialogs.shown.empty());
        EXPECT_EQ(line(0, 0).select, "5");  // nothing touched
    }
}

TEST_F(ControlFileReaderTest, FileWithoutAMarkerIsNoControlFile) {
    const struct {
        const char* what;
        std::string bytes;
        std::string reason;
    } cases[] = {
        {"empty", "", "ファイルが空です。コントロールファイルではありません。"},
        {"text without a marker", cp932::fromUtf8(crlfLines({"just some text", "0,1,1,0", "", "# not a marker", "#7", "#s"})),
         "コントロールファイルではありません（「#1」「#2」などの区切りの行が1つもありません）。"},
        {"binary bytes", std::string("\x00\x01\xff\xfe#\x00", 6), "コントロールファイルではありません（"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        project->sheets[0].lines[0].select = "5";
        EXPECT_FALSE(loadBytes(c.bytes));
        ASSERT_EQ(dialogs.shown.size(), 1U);
        EXPECT_TRUE(dialogs.shown[0].text.starts_with(kLoadFailed + "\n「" + (dir / "t.vxa").string() + "」：" + c.reason))
            << dialogs.shown[0].text;
        EXPECT_EQ(line(0, 0), ProgramLine{});  // sheets cleared as after any failed read
    }
    // One marker is enough: the smallest file the writer could make of nothing.
    EXPECT_TRUE(load({"#2*"}));
}

TEST_F(ControlFileReaderTest, SoundListOutOfOrderEndsAtTheLastIndex) {
    ASSERT_TRUE(load({"#2", "", "0,a.wav", "2,b.wav", "1*", "1,a.wav\0ignored"}));
    ASSERT_EQ(project->sounds.size(), 2U);
    EXPECT_EQ(project->sounds[1].fileName, "a.wav");

    ASSERT_TRUE(load({"#2", "2,b.wav,extra"}));
    ASSERT_EQ(project->sounds.size(), 3U);
    EXPECT_EQ(project->sounds[0], SoundEntry{});  // a gap stays empty
    EXPECT_EQ(project->sounds[2].fileName, "b.wav");
    EXPECT_EQ(project->sounds[2].sourcePath, (dir / "b.wav").string());
    EXPECT_EQ(project->sounds[2].size, "4044");

    // The writer keeps the gap as "k,"; reading it back keeps it too.
    ASSERT_TRUE(load({"#2", "0,", "1,b.wav", "#S", "", "b"}));
    EXPECT_EQ(project->sounds[0], SoundEntry{});
    EXPECT_EQ(project->sounds[1].comment, "b");
}

TEST_F(ControlFileReaderTest, NulCutsASoundLine) {
    std::string bytes = "#2\r\n0,a.wav";
    bytes += '\0';
    bytes += "junk\r\n";
    ASSERT_TRUE(loadBytes(bytes));
    EXPECT_EQ(project->sounds[0].fileName, "a.wav");
}

TEST_F(ControlFileReaderTest, UnmeasurableSoundIsListedWithMinusOneMillisecond) {
    // Readable format, but AvgBytesPerSec 0: the length cannot be measured.
    test::writeBytes(dir / "z.wav", test::riff(test::chunk("fmt ", test::le16(1) + test::le16(1) +
                                                                       test::le32(8000) + test::le32(0) +
                                                                       test::le16(1) + test::le16(8)) +
                                               test::chunk("data", "abcd")));
    ASSERT_TRUE(load({"#2", "0,z.wav", "1,a.wav", "#3", "0,1,1,0,1"}));
    EXPECT_EQ(project->sounds[0].length, "-0.001");
    EXPECT_EQ(project->sounds[0].rate, "8.KHz");
    EXPECT_EQ(line(0, 0).time, "1.0");  // the unmeasured sound adds 0
}

TEST_F(ControlFileReaderTest, VoiceAndControlLines) {
    ASSERT_TRUE(load({"#2", "0,a.wav", "1,b.wav",
                      "#3", "0,2,3,1,,0,1,0,1,0,1,0", "1,1,1", "5,1,1,0", "2*", "",
                      "#5", "0,9,2,1234,1,00000500,1,2,3,4,5", "1,0,3,1550,0,00000000,a,b,c,d", "7,0,1"},
                     2));
    const ProgramLine& l0 = line(0, 0);
    EXPECT_EQ(l0.select, "2");
    EXPECT_EQ(l0.repeat, "3");
    // Eight voice fields at most; an empty field leaves its voice empty.
    EXPECT_EQ(l0.voices, (std::array<std::string, 8>{"b.wav", "", "a.wav", "b.wav", "a.wav", "b.wav",
                                                     "a.wav", "b.wav"}));
    EXPECT_EQ(l0.time, "15.0");  // 3 × (4 × 0.5 + 3 × 1.0)
    EXPECT_EQ(l0.ledType, "2");
    EXPECT_EQ(l0.ledTime, "1.2");
    EXPECT_EQ(l0.buzzerType, "1");
    EXPECT_EQ(l0.buzzerTime, "0.5");
    EXPECT_EQ(l0.ex, (std::array<std::string, 4>{"1", "2", "3", "4"}));
    EXPECT_EQ(line(0, 1).voices, (std::array<std::string, 8>{}));
    EXPECT_EQ(line(0, 1).time, "0.0");
    EXPECT_EQ(line(0, 1).ledTime, "1.6");  // 1.55 rounds away from zero
    EXPECT_EQ(line(0, 1).ex, (std::array<std::string, 4>{"a", "b", "c", "d"}));
    // Lines from the Line Count on are read past, however short.
    EXPECT_EQ(line(0, 5), ProgramLine{});
}

TEST_F(ControlFileReaderTest, LineTimeUsesTheSoundTableAsItStandsWhenTheLineIsRead) {
    ASSERT_TRUE(load({"#2", "1,a.wav", "#3", "0,1,2,1,1", "0,1,1,,1",
                      "#2", "0,b.wav", "1,a.wav", "#3X01", "0,1,3,0,0,1"}));
    // Read twice: Voice 1 stays from the first reading, Voice 2 is replaced.
    EXPECT_EQ(line(0, 0).voices[0], "a.wav");
    EXPECT_EQ(line(0, 0).voices[1], "a.wav");
    EXPECT_EQ(line(0, 0).time, "2.0");
    // b.wav is in the table by the time sheet 1 is read.
    EXPECT_EQ(line(1, 0).time, "6.0");
    EXPECT_EQ(line(1, 0).time, project->lineTime(line(1, 0)));
}

TEST_F(ControlFileReaderTest, SheetSectionsLoadWithoutMultiSheetMode) {
    ASSERT_TRUE(load({"#2", "0,a.wav", "#3X03", "1,1,1,0", "#5X03", "1,0,1,02000,0,0,0,0,0,0",
                      "#3X02*", "0,1,1,0", "#3X08", "0,1,1,0", "#6X03A", "名前", "メモ", "ignored",
                      "#6X03C", "2,07,30,18,00", "1,0,1", "1,0,0,0,0,0,0,0,0,0,0,0,0,1,1", "ignored",
                      "#6X09A", "not a sheet", "#6X09C", "x,y"},
                     3, false));
    EXPECT_EQ(line(3, 1).voices[0], "a.wav");
    EXPECT_EQ(line(3, 1).ledTime, "2.0");
    EXPECT_EQ(line(2, 0), ProgramLine{});  // skipped section
    EXPECT_EQ(line(8, 0).voices[0], "a.wav");  // the ninth slot takes what a file names
    const SheetHeader& h = project->sheets[3].header;
    EXPECT_EQ(h.name, "名前");
    EXPECT_EQ(h.memo, "メモ");
    EXPECT_EQ(h.volume, 2);
    EXPECT_EQ(h.startHour, "07");
    EXPECT_EQ(h.endMinute, "00");
    EXPECT_EQ(h.weekdays, (std::array<std::int16_t, 8>{1, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(h.seasons, (std::array<std::int16_t, 14>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
}

TEST_F(ControlFileReaderTest, MarkersInsideValues) {
    // A Memo1 of "#0 …" ends the card section: Memo1 and Memo2 come back empty.
    auto project0 = test::exampleProject(dir.path());
    project0->card.memo1 = "#0 memo";
    project0->card.memo2 = "second";
    ASSERT_TRUE(WriteControlFile(*project0, settingsFor(3, false), dir / "m.vxa"));
    ASSERT_TRUE(LoadShowing(dir / "m.vxa", *project, settingsFor(3, false), dialogs));
    EXPECT_EQ(project->card.prgDate, "2024/04/01");
    EXPECT_EQ(project->card.memo1, "");
    EXPECT_EQ(project->card.memo2, "");
    // "#S" in a comment starts the comments over.
    ASSERT_TRUE(load({"#2", "0,a.wav", "1,b.wav", "#S", "#Sure", "x"}));
    EXPECT_EQ(project->sounds[0].comment, "x");
    EXPECT_EQ(project->sounds[1].comment, "");
}

struct FailureCase {
    const char* what;
    std::vector<std::string> lines;
};

TEST_F(ControlFileReaderTest, EveryReadErrorFailsTheSameWay) {
    const FailureCase cases[] = {
        {"voice index before the sound list", {"#3", "0,1,1,0", "#2", "0,a.wav"}},
        {"voice index outside the table", {"#2", "0,a.wav", "#3", "0,1,1,1"}},
        {"voice index not a number", {"#2", "0,a.wav", "#3", "0,1,1,x"}},
        {"voice line without Repeat", {"#2", "0,a.wav", "#3", "0,1"}},
        {"Repeat not a number", {"#2", "0,a.wav", "#3", "0,1,x,0"}},
        {"line index not a number", {"#3", "a,1,1"}},
        {"negative line index", {"#5", "-1,0,0,0,0,0,0,0,0,0"}},
        {"sheet 9", {"#3X09", "0,1,1"}},
        {"sheet number not a number", {"#5Xab"}},
        {"sheet number missing", {"#3X"}},
        {"pattern index 3", {"#4A", "3,00500,00500"}},
        {"pattern time not a number", {"#4B", "0,abc,00500"}},
        {"pattern line short", {"#4A", "0,00500"}},
        {"control line short", {"#5", "0,0,1,00001000,0,00000000,0,0,0"}},
        {"control time not a number", {"#5", "0,0,1,1.5s,0,0,0,0,0,0"}},
        {"control time infinite", {"#5", "0,0,1,31E308,0,0,0,0,0,0"}},
        {"control time beyond 32 bits", {"#5", "0,0,1,0,1,2147483648,0,0,0,0"}},
        {"pattern time beyond 32 bits", {"#4A", "0,1e300,00500"}},
        {"Repeat making TIME infinite", {"#2", "0,a.wav", "#3", "0,1,1e308,0"}},
        {"volume not a number", {"#6X00C", "loud,08,00,17,30"}},
        {"header times missing", {"#6X00C", "1,08"}},
        {"weekday flag not a number", {"#6X00C", "1,08,00,17,30", "1,,1"}},
        {"header sheet not a number", {"#6Xa0A"}},
        {"sound index not a number", {"#2", "a,a.wav"}},
        {"sound index beyond 254", {"#2", "255,a.wav"}},
        {"sound line without a name", {"#2", "0"}},
        {"sound name with a folder", {"#2", "0,../a.wav"}},
        {"sound name with a subfolder", {"#2", "0,sub/a.wav"}},
        {"sound name with a backslash", {"#2", "0,sub\\a.wav"}},
        {"sound name of the parent folder", {"#2", "0,.."}},
        {"sound name of the folder itself", {"#2", "0,."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        *project = Project{};
        EXPECT_FALSE(load(c.lines));
        ASSERT_EQ(dialogs.shown.size(), 1U);
        // The catalogue's text, then the file and the line that failed.
        EXPECT_TRUE(dialogs.shown[0].text.starts_with(kLoadFailed + "\n「" + (dir / "t.vxa").string() + "」：")) << dialogs.shown[0].text;
        EXPECT_NE(dialogs.shown[0].text.find("行目："), std::string::npos);
        EXPECT_EQ(dialogs.shown[0].title, "エラー");
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Error);
    }
}

TEST_F(ControlFileReaderTest, FailureClearsTheSheetsAndKeepsWhatWasRead) {
    EXPECT_FALSE(load({"#1", "TITLE", "#2", "0,a.wav", "#4A", "0,00700,00300", "#3", "0,1,1,0",
                       "#6X01A", "名前", "#2", "1,missing.wav", "#4A", "1,01000,01000"},
                      3, true));
    // The missing sound is named, with the line and the file.
    ASSERT_EQ(dialogs.texts(),
              (std::vector<std::string>{"「missing.wav」\n" + GetMsg(2800), kLoadFailed + "\n「" + (dir / "t.vxa").string() +
                                                          "」：12行目：音声ファイル「missing.wav」を読めません（" +
                                                          "ファイルの読込に失敗しました。）"}));
    EXPECT_EQ(line(0, 0), ProgramLine{});  // sheets cleared again
    EXPECT_EQ(project->sheets[1].header, SheetHeader{});
    EXPECT_EQ(project->card.title, "TITLE");
    EXPECT_EQ(project->patterns.led[0], (PatternTime{"0.7", "0.3"}));
    EXPECT_EQ(project->patterns.led[1], PatternTime{});  // after the error: not read
    ASSERT_EQ(project->sounds.size(), 2U);
    EXPECT_EQ(project->sounds[0].fileName, "a.wav");
    EXPECT_EQ(project->sounds[1].fileName, "missing.wav");
    EXPECT_TRUE(project->soundPresent);
}

TEST_F(ControlFileReaderTest, WaveReaderMessageComesFirst) {
    test::writeBytes(dir / "text.wav", "not a wave");
    EXPECT_FALSE(load({"#2", "0,text.wav"}));
    ASSERT_EQ(dialogs.shown.size(), 2U);
    EXPECT_EQ(dialogs.shown[0].text, "「text.wav」\n" + GetMsg(2801));
    EXPECT_TRUE(dialogs.shown[1].text.starts_with(kLoadFailed));

    // A FIFO under a sound's name is never waited on, and is called what it is.
    ASSERT_EQ(::mkfifo((dir / "pipe.wav").c_str(), 0600), 0);
    EXPECT_FALSE(load({"#2", "0,pipe.wav"}));
    ASSERT_EQ(dialogs.shown.size(), 2U);
    EXPECT_TRUE(dialogs.shown[1].text.ends_with(
        "2行目：音声ファイル「pipe.wav」を読めません（ファイルの読込に失敗しました。"
        "名前付きパイプ（FIFO）で、通常のファイルではありません。）"))
        << dialogs.shown[1].text;
}

TEST_F(ControlFileReaderTest, WhatCannotBeAControlFileIsRefusedBeforeTheProjectIsTouched) {
    std::filesystem::create_directory(dir / "folder.vxa");
    ASSERT_EQ(::mkfifo((dir / "fifo.vxa").c_str(), 0600), 0);
    // Sparse: no disk space is used, and nothing of it may be read.
    const auto sized = [&](const char* name, off_t size) {
        test::writeBytes(dir / name, "");
        ASSERT_EQ(::truncate((dir / name).c_str(), size), 0);
    };
    sized("huge.vxa", off_t{5} * 1024 * 1024 * 1024);
    sized("limit.vxa", static_cast<off_t>(kMaxControlFileBytes) + 1);
    const struct {
        const char* name;
        std::string reason;
    } cases[] = {
        {"none.vxa", "ファイルが見つかりません。"},
        {"folder.vxa", "フォルダーで、ファイルではありません。"},
        {"fifo.vxa", "名前付きパイプ（FIFO）で、通常のファイルではありません。"},
        {"huge.vxa", "ファイルが大きすぎます（5368709120 バイト。読み込めるのは 16 MiB までです）。"},
        {"limit.vxa", "ファイルが大きすぎます（16777217 バイト。読み込めるのは 16 MiB までです）。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto before = test::exampleProject(dir.path());
        *project = *before;
        dialogs.shown.clear();
        EXPECT_FALSE(LoadShowing(dir / c.name, *project, settingsFor(3, false), dialogs));
        EXPECT_EQ(dialogs.texts(), std::vector<std::string>{kLoadFailed + "\n「" + (dir / c.name).string() + "」：" + c.reason});
        EXPECT_EQ(project->sheets, before->sheets);
        EXPECT_EQ(project->sounds, before->sounds);
    }
}

TEST_F(ControlFileReaderTest, ALineLongerThanTheLimitStopsTheRead) {
    const std::string longest(kMaxControlFileLine, 'T');
    ASSERT_TRUE(load({"#1", longest, "NAME"}));
    EXPECT_EQ(project->card.title, longest);
    EXPECT_EQ(project->card.cardName, "NAME");

    // One byte more, and no end of line anywhere after it.
    EXPECT_FALSE(loadBytes("#1\r\n" + longest + "T" + std::string(100000, 'x')));
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{kLoadFailed + "\n「" + (dir / "t.vxa").string() +
                                                        "」：2行目：行が長すぎます（64 KiBを超えています）。"});
}

TEST_F(ControlFileReaderTest, LinesWithBytesThatAreNotCp932AreRecorded) {
    // 0x85 0x40 has no character in CP932; 0xFF is no CP932 byte at all.
    const std::string bytes = "#1\r\nTITLE\r\n\x85\x40NAME\r\n" + cp932::fromUtf8("フォルダ") +
                              "\r\n#2\r\n0,a.wav\r\n#S\r\nok\xff\r\n";
    ASSERT_TRUE(loadBytes(bytes));
    EXPECT_EQ(project->undecoded.lines, (std::vector<long>{3, 8}));
    EXPECT_EQ(project->undecoded.file, (dir / "t.vxa").string());
    EXPECT_EQ(project->card.cardName, "\uFFFD@NAME");  // one byte replaced at a time
    EXPECT_EQ(project->card.folder, "フォルダ");  // good CP932 is no fault
    EXPECT_EQ(project->sounds[0].comment, "ok\uFFFD");
    EXPECT_TRUE(dialogs.shown.empty());  // the caller warns, once the Project is shown

    // The next load starts the record afresh.
    ASSERT_TRUE(load({"#1", "TITLE"}));
    EXPECT_TRUE(project->undecoded.empty());
}

TEST_F(ControlFileReaderTest, ASoundNameThatIsAPathSaysWhy) {
    for (const char* name : {"../OK.WAV", "/x.wav", "..\\OK.WAV", ".."}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(load({"#2", std::string("0,") + name}));
        ASSERT_EQ(dialogs.shown.size(), 1U);
        const std::string& text = dialogs.shown[0].text;
        EXPECT_NE(text.find("2行目：音声ファイル名「" + std::string(name) + "」は"), std::string::npos) << text;
        EXPECT_NE(text.find("パスは使えません"), std::string::npos) << text;
    }
}

TEST_F(ControlFileReaderTest, LineCountZeroReadsNoLine) {
    ASSERT_TRUE(load({"#2", "0,a.wav", "#3", "0,2,1,0", "#5", "*", "0,0,1,01000,0,0,0,0,0,0"}, 0));
    EXPECT_EQ(line(0, 0), ProgramLine{});
}

}  // namespace
}  // namespace vexa
