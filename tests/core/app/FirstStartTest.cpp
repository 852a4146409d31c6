#include "core/app/FirstStart.h"

#include "core/config/ConfigurationFile.h"
#include "core/text/Cp932.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

TEST(FirstStart, DefaultCardPathJoinsTheDocumentsFolder) {
    EXPECT_EQ(DefaultCardPath("/home/u/ドキュメント"), "/home/u/ドキュメント/VexaEditor CardData");
    // A failed folder query leaves the text empty.
    EXPECT_EQ(DefaultCardPath(""), "/VexaEditor CardData");
    // The folder text ends at its first NUL, as a fixed buffer would hold it.
    EXPECT_EQ(DefaultCardPath("/home/u\0garbage"s), "/home/u/VexaEditor CardData");
}

TEST(FirstStart, FirstStartCreatesTheFileAndTheRecord) {
    test::TempDir dir;
    const fs::path ini = dir / "vexacontrol.ini";
    const fs::path record = dir / "user" / "VexaEditor" / "first-start";

    const std::string documents = (dir / "u" / "文書").string();
    fs::create_directories(documents);
    EXPECT_EQ(RunFirstStart(record, ini, documents), FirstStartResult::Written);
    EXPECT_TRUE(fs::exists(record));
    EXPECT_EQ(ReadConfigurationValue(ini, "System", "CardPath"), documents + "/VexaEditor CardData");
    // Stored in CP932 like every other value of the file.
    EXPECT_NE(test::readBytes(ini).find(cp932::fromUtf8("CardPath=" + documents + "/VexaEditor CardData")),
              std::string::npos);
    // The card data folder is there for the Load chooser and the first card.
    EXPECT_TRUE(fs::is_directory(documents + "/VexaEditor CardData"));
}

TEST(FirstStart, ReplacesCardPathAndKeepsTheRestOfTheFile) {
    test::TempDir dir;
    const fs::path ini = dir / "vexacontrol.ini";
    test::writeBytes(ini, "[System]\r\nWaveRef=/w\r\nCardPath=/old\r\nMaxLine=95\r\n");

    const std::string docs = (dir / "docs").string();
    EXPECT_EQ(RunFirstStart(dir / "record", ini, docs), FirstStartResult::Written);
    EXPECT_EQ(test::readBytes(ini),
              "[System]\r\nWaveRef=/w\r\nCardPath=" + docs + "/VexaEditor CardData\r\nMaxLine=95\r\n");
}

TEST(FirstStart, LaterStartsKeepWhatTheUserSet) {
    test::TempDir dir;
    const fs::path ini = dir / "vexacontrol.ini";
    const fs::path record = dir / "record";
    ASSERT_EQ(RunFirstStart(record, ini, (dir / "docs").string()), FirstStartResult::Written);
    ASSERT_TRUE(WriteConfigurationValue(ini, "System", "CardPath", "/chosen/by/user"));
    const std::string before = test::readBytes(ini);

    EXPECT_EQ(RunFirstStart(record, ini, "/docs"), FirstStartResult::AlreadyDone);
    EXPECT_EQ(test::readBytes(ini), before);
}

TEST(FirstStart, AFailedWriteLeavesNoRecordSoTheNextStartTriesAgain) {
    test::TempDir dir;
    const fs::path ini = dir / "missing-folder" / "vexacontrol.ini";
    const fs::path record = dir / "record";

    EXPECT_EQ(RunFirstStart(record, ini, "/docs"), FirstStartResult::Failed);
    EXPECT_FALSE(fs::exists(record));

    fs::create_directory(dir / "missing-folder");
    EXPECT_EQ(RunFirstStart(record, ini, "/docs"), FirstStartResult::Written);
    EXPECT_EQ(ReadConfigurationValue(ini, "System", "CardPath"), "/docs/VexaEditor CardData");
    EXPECT_FALSE(fs::exists("/docs"));  // no folder is made outside an existing documents folder
}

}  // namespace
}  // namespace vexa
