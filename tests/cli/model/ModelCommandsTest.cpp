#include "TestPaths.h"
#include "WaveFileBytes.h"
#include "core/config/Messages.h"
#include "core/sound/WaveInspection.h"
#include "core/text/Cp932.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace vexa {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using test::runVexa;

// CP932 with CR LF, as every file of the system.
void writeCp932(const fs::path& file, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    test::writeBytes(file, cp932::fromUtf8(text));
}

const std::vector<std::string> kExampleUser = {
    "Company=株式会社ベクサ", "Attribute=営業部", "Name=山田　太郎", "PostNum=100-0001",
    "Address=東京都千代田区１－２－３", "Tel=03-1234-5678", "Fax=03-1234-5679", "Business=販売",
    "Mail=info@example.jp", "Url=https://example.jp/", "Install=本社"};

// A Program Folder whose Configuration File sets the Line Count and the modes.
void writeHome(const fs::path& home, int maxLine, bool multi, bool stereo) {
    std::vector<std::string> lines = {"[System]", "MaxLine=" + std::to_string(maxLine),
                                      std::string("AddFunction1=") + (multi ? "1" : "0"),
                                      std::string("AddFunction2=") + (stereo ? "1" : "0"),
                                      "[LedSeting]", "Pattern1=0.1,0.9", "[UserData]"};
    lines.insert(lines.end(), kExampleUser.begin(), kExampleUser.end());
    writeCp932(home / "vexacontrol.ini", lines);
}

class ModelCommands : public ::testing::Test {
protected:
    void SetUp() override {
        writeHome(home.path(), 3, false, false);
        test::writeBytes(work / "a.wav", test::pcmWave(1, 22050, 16, 44100));
        test::writeBytes(work / "b.wav", test::pcmWave(1, 8000, 8, 4000));
    }

    test::CommandResult vexa(std::vector<std::string> args) {
        args.insert(args.begin() + 1, {"--home", home.path().string()});
        return runVexa(args);
    }

    test::TempDir home;
    test::TempDir work;
};

TEST_F(ModelCommands, InspectRunsTheRegistrationChecksOnEachFile) {
    test::writeBytes(work / "st.wav", test::pcmWave(2, 22050, 16, 400));
    test::writeBytes(work / "r48.wav", test::pcmWave(1, 48000, 16, 400));
    test::writeBytes(work / "b24.wav", test::pcmWave(1, 22050, 24, 600));
    test::writeBytes(work / "LONGNAME9.wav", test::pcmWave(1, 22050, 16, 400));
    test::writeBytes(work / "text.wav", "hello");
    std::vector<std::string> args = {"inspect", "--json"};
    for (const char* name : {"a.wav", "st.wav", "r48.wav", "b24.wav", "LONGNAME9.wav", "text.wav", "none.wav"})
        args.push_back((work / name).string());
    const auto r = vexa(args);
    EXPECT_EQ(r.exitCode, 1);
    const Json out = Json::parse(r.out);
    ASSERT_EQ(out.size(), 7U);
    EXPECT_EQ(out[0], Json::parse(R"({"path": ")" + (work / "a.wav").string() + R"(", "name": "a.wav",
        "rate": "22.05KHz", "bits": "16bit", "channels": "Mono", "length": "1.000", "size": "44144",
        "accepted": true, "message": ""})"));
    const std::pair<bool, std::string> verdicts[] = {
        {true, ""},
        {false, "「st.wav」\n" + GetMsg(2805)},  // each names its file
        {false, "「r48.wav」\n" + GetMsg(2806)},
        {false, "「b24.wav」\n" + GetMsg(2811)},
        {false, FileNameRefusal("LONGNAME9.wav").text},  // named, not silent
        {false, "「text.wav」\n" + GetMsg(2801)},
        {false, "「none.wav」\n" + GetMsg(2800)},
    };
    for (std::size_t i = 0; i < out.size(); ++i) {
        EXPECT_EQ(out[i]["accepted"], verdicts[i].first) << i;
        EXPECT_EQ(out[i]["message"], verdicts[i].second) << i;
    }
    EXPECT_EQ(out[1]["channels"], "Stereo");
    EXPECT_EQ(out[2]["rate"], "48.KHz");
    EXPECT_EQ(out[3]["bits"], "24bit");
    EXPECT_EQ(out[5]["size"], "5");
    EXPECT_EQ(out[6]["size"], "");
    // The messages reach stderr, one a line.
    EXPECT_NE(r.err.find("「st.wav」 " + GetMsg(2805) + "\n"), std::string::npos);
    EXPECT_NE(r.err.find("「b24.wav」 " + GetMsg(2811) + "\n"), std::string::npos);
}

TEST_F(ModelCommands, InspectStereoFromTheSettingsOrTheOption) {
    test::writeBytes(work / "st.wav", test::pcmWave(2, 44100, 16, 400));
    const std::string st = (work / "st.wav").string();
    EXPECT_EQ(vexa({"inspect", st}).exitCode, 1);
    auto r = vexa({"inspect", "--stereo", st});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    writeHome(home.path(), 3, false, true);
    r = vexa({"inspect", st, (work / "a.wav").string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("st.wav"), std::string::npos);
    EXPECT_NE(r.out.find("44.1KHz"), std::string::npos);
    EXPECT_NE(r.out.find("accepted"), std::string::npos);
}

TEST_F(ModelCommands, ShowPrintsTheLoadedProject) {
    writeHome(home.path(), 2, true, false);
    writeCp932(work / "p.vxa",
               {"Vexa Editor", "#2", "0,a.wav", "2,b.wav", "#3", "0,1,2,0,2", "1*",
                "#4B", "1,01500,00500", "#5", "0,0,1,00002500,0,00000000,1,0,0,1", "1*",
                "#3X04", "1,2,1,2", "#5X04", "1,0,0,00000000,2,00001000,0,0,0,0",
                "#6X04A", "四", "メモ", "#6X04C", "2,08,00,17,30", "1,1,1,1,1,0,0,1", "0,1",
                "#0", "ignored", "#1", "T", "CARD", "FOLDER", "0", "", "TYPE", "3",
                "#S", "朝", "", "終業"});
    const auto r = vexa({"show", (work / "p.vxa").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const Json p = Json::parse(r.out);
    EXPECT_EQ(p["lineCount"], 2);
    EXPECT_EQ(p["multiSheet"], true);
    EXPECT_EQ(p["soundPresent"], true);
    ASSERT_EQ(p["sounds"].size(), 3U);
    EXPECT_EQ(p["sounds"][1], Json::parse(R"({"name": "", "rate": "", "bits": "", "channels": "",
        "length": "", "size": "", "path": "", "comment": ""})"));
    EXPECT_EQ(p["sounds"][2]["rate"], "8.KHz");
    EXPECT_EQ(p["sounds"][2]["length"], "0.500");
    EXPECT_EQ(p["sounds"][2]["path"], (work / "b.wav").string());
    EXPECT_EQ(p["sounds"][2]["comment"], "終業");
    // LED patterns from the settings' defaults, BUZZER pattern B from the file.
    EXPECT_EQ(p["patterns"]["led"][0], Json::parse(R"({"on": "0.1", "off": "0.9"})"));
    EXPECT_EQ(p["patterns"]["buzzer"][1], Json::parse(R"({"on": "1.5", "off": "0.5"})"));
    EXPECT_EQ(p["patterns"]["buzzer"][0], Json::parse(R"({"on": "", "off": ""})"));
    EXPECT_EQ(p["card"]["Title"], "T");
    EXPECT_EQ(p["card"]["ReservedNumber"], "0");
    EXPECT_EQ(p["card"]["CardSize"], "3");
    EXPECT_EQ(p["card"]["Memo2"], "");
    ASSERT_EQ(p["sheets"].size(), 8U);
    const Json& l0 = p["sheets"][0]["lines"][0];
    EXPECT_EQ(l0, Json::parse(R"({"select": "1", "repeat": "2", "ledType": "1", "ledTime": "2.5",
        "buzzerType": "0", "buzzerTime": "0.0", "voices": ["a.wav", "b.wav", "", "", "", "", "", ""],
        "time": "3.0", "ex": ["1", "0", "0", "1"]})"));
    ASSERT_EQ(p["sheets"][0]["lines"].size(), 2U);
    const Json& s4 = p["sheets"][4];
    EXPECT_EQ(s4["name"], "四");
    EXPECT_EQ(s4["volume"], 2);
    EXPECT_EQ(s4["endMinute"], "30");
    EXPECT_EQ(s4["weekdays"], Json::parse("[1,1,1,1,1,0,0,1]"));
    EXPECT_EQ(s4["seasons"], Json::parse("[0,1,0,0,0,0,0,0,0,0,0,0,0,0]"));
    EXPECT_EQ(s4["lines"][1]["voices"][0], "b.wav");
    EXPECT_EQ(s4["lines"][1]["buzzerTime"], "1.0");

    // --lines and --single override the settings.
    const auto r1 = vexa({"show", "--lines", "1", "--single", (work / "p.vxa").string()});
    ASSERT_EQ(r1.exitCode, 0) << r1.err;
    const Json p1 = Json::parse(r1.out);
    EXPECT_EQ(p1["lineCount"], 1);
    EXPECT_EQ(p1["multiSheet"], false);
    EXPECT_EQ(p1["sheets"][4]["lines"].size(), 1U);
}

TEST_F(ModelCommands, ShowFailsWithTheLoadersMessages) {
    writeCp932(work / "bad.vxa", {"#2", "0,a.wav", "1,gone.wav"});
    auto r = vexa({"show", (work / "bad.vxa").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.empty());
    // The editor's texts, and on the same line the file and the missing sound.
    EXPECT_EQ(r.err, "「gone.wav」 " + GetMsg(2800) + "\n" + GetMsg(2504) + " 「" + (work / "bad.vxa").string() +
                         "」：3行目：音声ファイル「gone.wav」を読めません（ファイルの読込に失敗しました。）\n");

    writeCp932(work / "up.vxa", {"#2", "0,../a.wav"});
    r = vexa({"show", (work / "up.vxa").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, GetMsg(2504) + " 「" + (work / "up.vxa").string() +
                         "」：2行目：音声ファイル名「../a.wav」はフォルダを含むパスです。"
                         "カードの音声ファイルはコントロールファイルと同じフォルダに置くため、パスは使えません\n");

    // Not a Control File at all: said, naming the file, and never read whole or waited on.
    test::writeBytes(work / "empty.vxa", "");
    test::writeBytes(work / "text.vxa", "hello\r\n");
    ASSERT_EQ(::mkfifo((work / "pipe.vxa").c_str(), 0600), 0);
    const std::pair<const char*, const char*> refused[] = {
        {"empty.vxa", "ファイルが空です。"},
        {"text.vxa", "コントロールファイルではありません"},
        {"pipe.vxa", "名前付きパイプ（FIFO）で、通常のファイルではありません。"},
    };
    for (const auto& [name, reason] : refused) {
        r = vexa({"show", (work / name).string()});
        EXPECT_EQ(r.exitCode, 1) << name;
        EXPECT_TRUE(r.out.empty()) << name;
        EXPECT_NE(r.err.find(GetMsg(2504) + " 「" + (work / name).string() + "」：" + reason), std::string::npos)
            << r.err;
    }

    r = vexa({"show", (work / "a.wav").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("not a Control File"), std::string::npos);
}

// Output that did not reach its file is a failure, said on stderr: a full
// disk behind `vexa show > FILE` must not pass for a complete listing.
TEST_F(ModelCommands, OutputThatCannotBeWrittenIsAFailure) {
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this system";
    writeCp932(work / "p.vxa", {"Vexa Editor", "#2", "0,a.wav", "#S", "", "", ""});
    const std::vector<std::vector<std::string>> calls = {
        {"show", (work / "p.vxa").string()},
        {"inspect", (work / "a.wav").string()},
    };
    for (const auto& call : calls) {
        std::vector<std::string> args = call;
        args.insert(args.begin() + 1, {"--home", home.path().string()});
        const auto r = runVexa(args, "/dev/full");
        EXPECT_EQ(r.exitCode, 1) << call[0];
        EXPECT_NE(r.err.find("標準出力に書き込めません"), std::string::npos) << call[0] << ": " << r.err;
    }
    const auto version = runVexa({"--version"}, "/dev/full");
    EXPECT_EQ(version.exitCode, 1);
    // The same calls into a file that takes them succeed.
    const auto ok = runVexa({"show", "--home", home.path().string(), (work / "p.vxa").string()},
                            work / "listing.json");
    EXPECT_EQ(ok.exitCode, 0) << ok.err;
    EXPECT_FALSE(test::readBytes(work / "listing.json").empty());
}

TEST_F(ModelCommands, ResaveWritesTheSameFileWithTheRunningUserInformation) {
    fs::copy_file(test::fixture("model/example.vxa"), work / "in.vxa");
    auto r = vexa({"resave", (work / "in.vxa").string(), (work / "out.vxa").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(test::readBytes(work / "out.vxa"), test::readBytes(work / "in.vxa"));

    // Other User Information in the settings: written in place of the file's.
    writeHome(home.path(), 3, false, false);
    writeCp932(home / "vexacontrol.ini", {"[System]", "MaxLine=3", "[UserData]", "Company=別会社"});
    r = vexa({"resave", (work / "in.vxa").string(), (work / "out2.vxa").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string written = cp932::toUtf8(test::readBytes(work / "out2.vxa"));
    EXPECT_NE(written.find("#0\r\n別会社\r\n\r\n"), std::string::npos);
    EXPECT_EQ(written.find("株式会社ベクサ"), std::string::npos);
}

TEST_F(ModelCommands, ResaveNamesTheLinesWhoseBytesWereNotCp932BeforeWritingThem) {
    test::writeBytes(work / "in.vxa", "#1\r\nTITLE\r\nNAME\xff\r\n#2\r\n0,a.wav\r\n#S\r\nok\r\n");
    const auto r = vexa({"resave", (work / "in.vxa").string(), (work / "out.vxa").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("「" + (work / "in.vxa").string() + "」の3行目に、CP932 の文字として読めないバイトがありました。"),
              std::string::npos)
        << r.err;
    EXPECT_NE(test::readBytes(work / "out.vxa").find("#1\r\nTITLE\r\nNAME?\r\n"), std::string::npos);
}

TEST_F(ModelCommands, AMaxLineThatIsNoLineCountIsSaidUnlessLinesAreGiven) {
    writeCp932(home / "vexacontrol.ini", {"[System]", "MaxLine=abc"});
    writeCp932(work / "p.vxa", {"#2", "0,a.wav", "#3", "4,1,1,0"});
    auto r = vexa({"show", (work / "p.vxa").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Json::parse(r.out)["lineCount"], 95);
    EXPECT_EQ(Json::parse(r.out)["sheets"][0]["lines"][4]["voices"][0], "a.wav");
    EXPECT_EQ(r.err, "vexa: 「" + (home / "vexacontrol.ini").string() +
                         "」の [System] MaxLine「abc」は行数として使えません（1～256 の整数）。\n既定の 95 行で始めます。\n");

    r = vexa({"show", "--lines", "5", (work / "p.vxa").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
}

TEST_F(ModelCommands, ResaveInMultiSheetModeAddsTheSheetSections) {
    fs::copy_file(test::fixture("model/example.vxa"), work / "in.vxa");
    auto r = vexa({"resave", "--multi", (work / "in.vxa").string(), (work / "m.vxa").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string written = test::readBytes(work / "m.vxa");
    EXPECT_NE(written.find("2*\r\n#3X01*\r\n"), std::string::npos);
    EXPECT_NE(written.find("#6X00A\r\n\r\n\r\n#6X00C\r\n0,,,,\r\n"), std::string::npos);
    EXPECT_NE(written.find("#6X07C*\r\n#0\r\n"), std::string::npos);
}

TEST_F(ModelCommands, ResaveFailureLeavesNoFile) {
    fs::copy_file(test::fixture("model/example.vxa"), work / "in.vxa");
    auto r = vexa({"resave", (work / "in.vxa").string(), (work / "nofolder" / "out.vxa").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("cannot write"), std::string::npos);
    EXPECT_FALSE(fs::exists(work / "nofolder"));

    writeCp932(work / "bad.vxa", {"#3", "0,1,1,0"});
    r = vexa({"resave", (work / "bad.vxa").string(), (work / "out.vxa").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(fs::exists(work / "out.vxa"));
}

TEST_F(ModelCommands, ResaveThroughASymbolicLinkKeepsTheLinkAndReadOnlyFilesAreRefused) {
    fs::copy_file(test::fixture("model/example.vxa"), work / "in.vxa");
    fs::create_directory(work / "cards");
    test::writeBytes(work / "cards" / "card.vxa", "old");
    fs::create_symlink("cards/card.vxa", work / "link.vxa");
    auto r = vexa({"resave", (work / "in.vxa").string(), (work / "link.vxa").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(fs::is_symlink(work / "link.vxa"));
    EXPECT_EQ(fs::read_symlink(work / "link.vxa"), "cards/card.vxa");
    EXPECT_EQ(test::readBytes(work / "cards" / "card.vxa"), test::readBytes(work / "in.vxa"));

    // The reason is told, naming the file; the file stays as it was.
    test::writeBytes(work / "cards" / "card.vxa", "old");
    fs::permissions(work / "cards" / "card.vxa", fs::perms::owner_read | fs::perms::group_read);
    r = vexa({"resave", (work / "in.vxa").string(), (work / "link.vxa").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("「" + (work / "link.vxa").string() + "」に書き込めません：読み取り専用のファイルです。\n"),
              std::string::npos) << r.err;
    EXPECT_EQ(test::readBytes(work / "cards" / "card.vxa"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(work / "cards"), {}), 1);
}

}  // namespace
}  // namespace vexa
