#include "core/config/ConfigurationFile.h"

#include "Cp932Files.h"
#include "TestPaths.h"
#include "core/config/PrivateProfile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vexa {
namespace {
namespace fs = std::filesystem;
using test::cp932Bytes;
using test::readBytes;
using test::TempDir;
using test::writeCp932File;

constexpr const char* kFile =
    "[System]\n"
    "WaveRef=C:/音声\n"
    "cardpath = /home/u/VexaEditor CardData \n"
    "CardName=\"  番組  \"\n"
    "MaxLine=95\n"
    "AddFunction1=1\n"
    "AddFunction2=0\n"
    "PrtSheet=1,0,1,0,1\n"
    "[LedSeting]\n"
    "Pattern1=0.5,0.5\n"
    "Pattern2=1.0,1.0\n"
    "Pattern3=0.2,0.8\n"
    "[BuzzerSeting]\n"
    "Pattern1=0.3,0.7\n"
    "Pattern2=1.0\n"
    "Pattern3=0.1,0.2,0.3\n"
    "[UserData]\n"
    "Company=株式会社サンプル\n"
    "Tel=03-0000-0000\n"
    "Install=2024/04/01\n";

Configuration expectedFromFile() {
    Configuration c;
    c.settings = {"C:/音声", "/home/u/VexaEditor CardData", "  番組  ", 95, 1, 0};
    c.patternDefaults.led = {{{"0.5", "0.5"}, {"1.0", "1.0"}, {"0.2", "0.8"}}};
    c.patternDefaults.buzzer = {{{"0.3", "0.7"}, {"1.0", ""}, {"0.1", "0.2"}}};
    c.user.values[0] = "株式会社サンプル";
    c.user.values[5] = "03-0000-0000";
    c.user.values[10] = "2024/04/01";
    return c;
}

TEST(ConfigurationFile, ReadsEverySection) {
    TempDir dir;
    writeCp932File(dir / "vexacontrol.ini", kFile);
    EXPECT_EQ(ReadConfiguration(dir / "vexacontrol.ini"), expectedFromFile());
}

TEST(ConfigurationFile, MissingFileGivesEmptyTextsAndZeros) {
    TempDir dir;
    EXPECT_EQ(ReadConfiguration(dir / "vexacontrol.ini"), Configuration{});
}

TEST(ConfigurationFile, NumbersRoundHalfToEvenAndOtherTextsLeaveZero) {
    struct Case {
        const char* text;
        std::int16_t expected;
    };
    const Case cases[] = {{"30", 30},   {" 255 ", 255}, {"2.5", 2},    {"3.5", 4},  {"-1", -1},
                          {"abc", 0},   {"12abc", 0},   {"40000", 0},  {"", 0},     {"\"60\"", 60}};
    TempDir dir;
    for (const Case& c : cases) {
        writeCp932File(dir / "a.ini", std::string("[System]\nMaxLine=") + c.text + "\nAddFunction2=" + c.text + "\n");
        const Settings s = ReadConfiguration(dir / "a.ini").settings;
        EXPECT_EQ(s.maxLine, c.expected) << c.text;
        EXPECT_EQ(s.addFunction2, c.expected) << c.text;
    }
}

TEST(StartupConfiguration, AMaxLineThatIsNoLineCountGivesTheDefaultAndSaysSo) {
    TempDir dir;
    const fs::path file = dir / "vexacontrol.ini";
    const struct {
        const char* value;
        std::int16_t lines;
        bool warned;
    } cases[] = {
        {"-5", 95, true},  {"0", 95, true},   {"abc", 95, true},  {"", 95, true},
        {"257", 95, true}, {"40000", 95, true}, {"1", 1, false},  {"256", 256, false},
        {"30", 30, false}, {"2.5", 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        writeCp932File(file, std::string("[System]\nMaxLine=") + c.value + "\nAddFunction1=1\n");
        const StartupConfiguration startup = ReadStartupConfiguration(file);
        EXPECT_EQ(startup.configuration.settings.maxLine, c.lines);
        EXPECT_EQ(startup.configuration.settings.addFunction1, 1);  // the rest as read
        EXPECT_TRUE(startup.fileProblem.empty());
        if (c.warned)
            EXPECT_EQ(startup.warnings(),
                      std::vector<std::string>{"「" + file.string() + "」の [System] MaxLine「" + c.value +
                                               "」は行数として使えません（1～256 の整数）。\n既定の 95 行で始めます。"});
        else
            EXPECT_TRUE(startup.warnings().empty());
    }
    // No key, or no file: 0 as ever, and nothing to say.
    writeCp932File(file, "[System]\nAddFunction1=1\n");
    EXPECT_EQ(ReadStartupConfiguration(file).configuration.settings.maxLine, 0);
    EXPECT_TRUE(ReadStartupConfiguration(file).warnings().empty());
    EXPECT_EQ(ReadStartupConfiguration(dir / "none.ini").configuration, Configuration{});
    EXPECT_TRUE(ReadStartupConfiguration(dir / "none.ini").warnings().empty());
}

TEST(StartupConfiguration, AFileThatCannotBeReadIsNamedWithWhatItIs) {
    TempDir dir;
    const fs::path file = dir / "vexacontrol.ini";
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    const StartupConfiguration startup = ReadStartupConfiguration(file);
    EXPECT_EQ(startup.configuration.settings.maxLine, kDefaultLineCount);
    EXPECT_EQ(startup.configuration.settings.cardPath, "");
    EXPECT_EQ(startup.warnings(),
              std::vector<std::string>{"「" + file.string() +
                                       "」を読めません：名前付きパイプ（FIFO）で、通常のファイルではありません。\n"
                                       "設定は空の値、行数は既定の 95 行で始めます。"});
}

TEST(ConfigurationFile, PatternSplitsAtTheFirstTwoCommas) {
    struct Case {
        const char* value;
        PatternTime expected;
    };
    const Case cases[] = {
        {"0.5,0.5", {"0.5", "0.5"}}, {"1.0", {"1.0", ""}},       {"0.2,0.8,9", {"0.2", "0.8"}},
        {"", {"", ""}},              {",0.3", {"", "0.3"}},      {"a, b", {"a", " b"}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        writeCp932File(dir / "a.ini", std::string("[LedSeting]\nPattern2=") + c.value + "\n");
        EXPECT_EQ(ReadConfiguration(dir / "a.ini").patternDefaults.led[1], c.expected) << c.value;
    }
}

TEST(ConfigurationFile, LongValuesAreCutAt253BytesOnACharacterBoundary) {
    TempDir dir;
    std::string wide;
    for (int i = 0; i < 130; ++i)
        wide += "あ";  // 260 bytes in CP932
    writeCp932File(dir / "a.ini", "[System]\nWaveRef=" + std::string(300, 'w') + "\nCardPath=" + wide + "\n");
    const Settings s = ReadConfiguration(dir / "a.ini").settings;
    EXPECT_EQ(s.waveRef, std::string(253, 'w'));
    EXPECT_EQ(s.cardPath, wide.substr(0, 126 * 3));  // 126 characters, 252 bytes
}

TEST(ConfigurationFile, WriteSettingsToANewFileWritesTheKeysInOrder) {
    TempDir dir;
    Configuration c;
    c.settings = {"C:/音声", "/data/カード", "PROG", 255, 1, -1};
    c.user.values = {"会社", "部署", "氏名", "100-0001", "東京都", "03", "04", "業種", "a@b", "http://x", "2024"};
    ASSERT_TRUE(WriteSettings(dir / "vexacontrol.ini", c));
    EXPECT_EQ(readBytes(dir / "vexacontrol.ini"),
              cp932Bytes("[System]\nWaveRef=C:/音声\nCardPath=/data/カード\nCardName=PROG\nMaxLine=255\n"
                         "AddFunction1=1\nAddFunction2=-1\n"
                         "[UserData]\nCompany=会社\nAttribute=部署\nName=氏名\nPostNum=100-0001\n"
                         "Address=東京都\nTel=03\nFax=04\nBusiness=業種\nMail=a@b\nUrl=http://x\nInstall=2024\n"));
}

TEST(ConfigurationFile, WriteSettingsKeepsTheRestAndRestoresUserDataAsRead) {
    TempDir dir;
    const fs::path file = dir / "vexacontrol.ini";
    writeCp932File(file, kFile);
    Configuration c = ReadConfiguration(file);
    // The file changes on disk while the program runs.
    ASSERT_TRUE(WriteProfileString(file, "UserData", "Company", "別の会社"));
    ASSERT_TRUE(WriteProfileString(file, "UserData", "Fax", "99"));

    c.settings.maxLine = 30;
    c.settings.cardPath = "/new/path";
    ASSERT_TRUE(WriteSettings(file, c));

    // Other lines stay; a key keeps its spelling; UserData is back to what was
    // read (Fax, empty when read, stays where the outside write put it).
    EXPECT_EQ(readBytes(file), cp932Bytes("[System]\n"
                                          "WaveRef=C:/音声\n"
                                          "cardpath=/new/path\n"
                                          "CardName=\"  番組  \"\n"
                                          "MaxLine=30\n"
                                          "AddFunction1=1\n"
                                          "AddFunction2=0\n"
                                          "PrtSheet=1,0,1,0,1\n"
                                          "[LedSeting]\n"
                                          "Pattern1=0.5,0.5\n"
                                          "Pattern2=1.0,1.0\n"
                                          "Pattern3=0.2,0.8\n"
                                          "[BuzzerSeting]\n"
                                          "Pattern1=0.3,0.7\n"
                                          "Pattern2=1.0\n"
                                          "Pattern3=0.1,0.2,0.3\n"
                                          "[UserData]\n"
                                          "Company=株式会社サンプル\n"
                                          "Tel=03-0000-0000\n"
                                          "Install=2024/04/01\n"
                                          "Fax=\n"
                                          "Attribute=\nName=\nPostNum=\nAddress=\nBusiness=\nMail=\nUrl=\n"));
    EXPECT_EQ(ReadConfiguration(file), c);
    EXPECT_EQ(ReadConfigurationValue(file, "System", "PrtSheet"), "1,0,1,0,1");
}

TEST(ConfigurationFile, WriteSettingsWritesNothingWhenAValueCannotBeHeld) {
    TempDir dir;
    const fs::path file = dir / "vexacontrol.ini";
    writeCp932File(file, kFile);
    Configuration c = ReadConfiguration(file);
    c.settings.maxLine = 30;
    c.user.values[4] = "line one\nline two";
    EXPECT_FALSE(WriteSettings(file, c));
    EXPECT_EQ(readBytes(file), cp932Bytes(kFile));
    EXPECT_FALSE(WriteSettings(dir / "missing" / "vexacontrol.ini", Configuration{}));
}

TEST(ConfigurationFile, SingleKeysAreReadAndWrittenAlone) {
    TempDir dir;
    const fs::path file = dir / "vexacontrol.ini";
    ASSERT_TRUE(WriteConfigurationValue(file, "System", "CardPath", "/home/u/VexaEditor CardData"));
    ASSERT_TRUE(WriteConfigurationValue(file, "System", "PrtSheet", "1,1,0,0,1"));
    EXPECT_EQ(ReadConfigurationValue(file, "system", "cardpath"), "/home/u/VexaEditor CardData");
    EXPECT_EQ(ReadConfigurationValue(file, "System", "PrtSheet"), "1,1,0,0,1");
    EXPECT_EQ(ReadConfigurationValue(file, "System", "Missing"), "");
    EXPECT_EQ(ReadConfiguration(file).settings.cardPath, "/home/u/VexaEditor CardData");
}

}  // namespace
}  // namespace vexa
