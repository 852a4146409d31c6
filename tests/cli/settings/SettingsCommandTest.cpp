#include "TestPaths.h"
#include "core/text/Cp932.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace vexa {
namespace {
namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;  // key order is part of the output's shape
using test::readBytes;
using test::runVexa;
using test::TempDir;

void writeCp932(const fs::path& file, std::string_view utf8Lines) {
    std::string bytes;
    for (char c : cp932::fromUtf8(utf8Lines)) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    test::writeBytes(file, bytes);
}

Json settingsOf(const fs::path& home) {
    const test::CommandResult r = runVexa({"settings", "--home", home.string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    Json json = Json::parse(r.out);
    // --home names the Program Folder: it is used as given.
    EXPECT_EQ(json["ProgramFolder"]["kind"], "home");
    EXPECT_EQ(fs::path(json["ProgramFolder"]["path"].get<std::string>()), fs::absolute(home));
    json.erase("ProgramFolder");
    return json;
}

TEST(SettingsCommand, PrintsWhatStartUpReadsFromAHandMadeFolder) {
    TempDir home;
    writeCp932(home / "vexacontrol.ini",
               "[system]\n"
               "WaveRef=/音声/素材\n"
               "CardPath = /home/u/VexaEditor CardData \n"
               "CardName=\" 朝礼 \"\n"
               "MaxLine=2.5\n"
               "AddFunction1=1\n"
               "AddFunction2=yes\n"
               "[LedSeting]\n"
               "Pattern1=0.5,0.5\n"
               "Pattern2=1.0\n"
               "Pattern3=0.2,0.8,0.9\n"
               "[BuzzerSeting]\n"
               "Pattern1=0.3,0.3\n"
               "[UserData]\n"
               "Company=株式会社サンプル\n"
               "Url='http://example.invalid/'\n");
    writeCp932(home / "elmptnvxa.elm",
               "[Element]\n"
               "MaxLine=小型（30点）,30,大型\n"
               "LedType=なし,連続,,パターンA\n"
               "Ex=OFF,ON\n"
               "Select=1,2\n"
               "Card=32MB,,1GB\n");
    const Json expected = Json::parse(R"({
      "System": {"WaveRef": "/音声/素材", "CardPath": "/home/u/VexaEditor CardData", "CardName": " 朝礼 ",
                 "MaxLine": 2, "AddFunction1": 1, "AddFunction2": 0},
      "LedSeting": [{"on": "0.5", "off": "0.5"}, {"on": "1.0", "off": ""}, {"on": "0.2", "off": "0.8"}],
      "BuzzerSeting": [{"on": "0.3", "off": "0.3"}, {"on": "", "off": ""}, {"on": "", "off": ""}],
      "UserData": {"Company": "株式会社サンプル", "Attribute": "", "Name": "", "PostNum": "", "Address": "",
                   "Tel": "", "Fax": "", "Business": "", "Mail": "", "Url": "http://example.invalid/",
                   "Install": ""},
      "Element": {
        "MaxLine": [{"label": "小型（30点）", "lines": "30"}, {"label": "大型", "lines": ""}],
        "LedType": ["なし", "連続"], "BuzzerType": [""], "Ex": ["OFF", "ON"], "Select": ["1", "2"],
        "Repeat": [""], "Card": ["32MB", "", "1GB"]}
    })");
    EXPECT_EQ(settingsOf(home.path()), expected);
}

TEST(SettingsCommand, EmptyFolderGivesEmptyValues) {
    TempDir home;
    const Json json = settingsOf(home.path());
    EXPECT_EQ(json["System"]["MaxLine"], 0);
    EXPECT_EQ(json["System"]["CardPath"], "");
    EXPECT_EQ(json["UserData"].size(), 11u);
    EXPECT_EQ(json["LedSeting"][2]["off"], "");
    EXPECT_EQ(json["Element"]["LedType"], Json::array({""}));
    EXPECT_EQ(json["Element"]["MaxLine"], Json::array());
    EXPECT_EQ(json["Element"]["Card"], Json::array());
}

TEST(SettingsCommand, FilesThatAreFifosAreSaidAndNeverWaitedOn) {
    TempDir home;
    ASSERT_EQ(::mkfifo((home / "vexacontrol.ini").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((home / "elmptnvxa.elm").c_str(), 0600), 0);
    const test::CommandResult r = runVexa({"settings", "--home", home.path().string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string fifo = "」を読めません：名前付きパイプ（FIFO）で、通常のファイルではありません。";
    EXPECT_EQ(r.err, "vexa: 「" + (home / "vexacontrol.ini").string() + fifo + "\n設定は空の値、行数は既定の 95 行で始めます。\n" +
                         "vexa: 「" + (home / "elmptnvxa.elm").string() + fifo + "\n");
    const Json json = Json::parse(r.out);
    EXPECT_EQ(json["System"]["MaxLine"], 95);
    EXPECT_EQ(json["Element"]["Card"], Json::array());
}

TEST(SettingsCommand, DeliveredFolderHoldsTheChoiceListsAndPatternDefaults) {
    const test::CommandResult r = runVexa({"settings", "--home", test::programFolder().string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 23), "{\n  \"ProgramFolder\": {\n");  // indent 2
    const Json json = Json::parse(r.out);
    const Json& element = json["Element"];

    // Type numbers keep their meaning: 0 no output, 1 held, 2-4 patterns A-C.
    EXPECT_EQ(element["LedType"].size(), 5u);
    EXPECT_EQ(element["BuzzerType"].size(), 5u);
    EXPECT_EQ(element["LedType"][0], "なし");
    EXPECT_EQ(element["Ex"], Json::array({"OFF", "ON"}));
    EXPECT_EQ(element["Select"][0], "1");
    EXPECT_EQ(element["Repeat"][0], "1");
    EXPECT_EQ(element["Card"], Json::array({"32MB", "64MB", "128MB", "256MB", "512MB", "1GB"}));
    std::vector<std::string> lineCounts;
    for (const Json& model : element["MaxLine"])
        lineCounts.push_back(model["lines"]);
    EXPECT_EQ(lineCounts, (std::vector<std::string>{"30", "60", "95", "255"}));
    // The delivered Line Count is one of the models (the settings window may change which).
    EXPECT_NE(std::find(lineCounts.begin(), lineCounts.end(), std::to_string(json["System"]["MaxLine"].get<int>())),
              lineCounts.end());

    for (const char* pattern : {"LedSeting", "BuzzerSeting"})
        for (const Json& p : json[pattern]) {
            EXPECT_FALSE(p["on"].get<std::string>().empty()) << pattern;
            EXPECT_FALSE(p["off"].get<std::string>().empty()) << pattern;
        }
}

TEST(SettingsCommand, DeliveredFilesAreCp932WithCrLf) {
    for (const char* name : {"vexacontrol.ini", "elmptnvxa.elm", "Release.txt"}) {
        const std::string bytes = readBytes(test::programFolder() / name);
        ASSERT_FALSE(bytes.empty()) << name;
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << name;
        for (std::size_t i = bytes.find('\n'); i != std::string::npos; i = bytes.find('\n', i + 1))
            EXPECT_EQ(bytes[i - 1], '\r') << name << " at " << i;
        EXPECT_EQ(cp932::toUtf8(bytes).find("\xEF\xBF\xBD"), std::string::npos) << name;  // no U+FFFD
    }
    EXPECT_EQ(readBytes(test::programFolder() / "Release.txt").rfind(cp932::fromUtf8("Vexa Editor 2J 更新履歴\r\n"), 0),
              0u);
}

}  // namespace
}  // namespace vexa
