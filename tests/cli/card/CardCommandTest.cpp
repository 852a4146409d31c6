// vexa card: the card folder made from a Control File, its refusals on
// stderr and its exit codes, and the old folder kept on a failure.
#include "FolderContents.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "TmpfsMount.h"
#include "card/CardEntryCheck.h"
#include "config/Messages.h"
#include "model/ControlFileReader.h"
#include "model/ControlFileWriter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace vexa::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class CardCommand : public ::testing::Test {
protected:
    CardCommand() {
        fs::create_directories(cards);
        fs::copy(VEXA_SAMPLE_DIR, sources);
    }

    CommandResult card(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"card", (sources / "SAMPLE.vxa").string(), "--card-path", cards.string(),
                                      "--home", programFolder().string()};
        args.insert(args.end(), extra.begin(), extra.end());
        return runVexa(args);
    }

    // Writes the sample, changed by `change`, over SAMPLE.vxa.
    void changeSample(const std::function<void(Project&)>& change) {
        Settings settings;
        settings.maxLine = 95;
        Project project;
        ScriptedDialogs dialogs;
        ASSERT_TRUE(LoadKtrFile(sources / "SAMPLE.vxa", project, settings, dialogs));
        change(project);
        ASSERT_TRUE(WriteControlFile(project, settings, sources / "SAMPLE.vxa"));
    }

    TempDir temp;
    fs::path sources = temp / "src";
    fs::path cards = temp / "cards";
    fs::path cardFolder = cards / "SAMPLE";
};

TEST_F(CardCommand, MakesTheCardFolderAndPrintsItsPath) {
    const CommandResult result = card();
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, cardFolder.string() + "\n");
    // the window's completion: the caption, then 2030 with the folder (2077)
    EXPECT_THAT(result.err, HasSubstr(GetMsg(msg::kCardCreated) + "\n"));
    EXPECT_THAT(result.err, HasSubstr("FlashCardにコピーしてご使用ください。"));
    EXPECT_THAT(result.err, HasSubstr(GetMsg(msg::kCardFolderLabel, cardFolder.string())));
    const auto contents = folderContents(cardFolder);
    EXPECT_EQ(contents.size(), 5u);
    for (const char* name : {"CHIME.WAV", "OPEN.WAV", "CLOSE.WAV", "NOTICE.WAV"})
        EXPECT_EQ(contents.at(name), readBytes(sources / name)) << name;
    EXPECT_EQ(contents.count("SAMPLE.vxa"), 1u);
}

// A Control File whose Folder leads out of the card data folder is refused,
// and the files beside and above it stay, even with --replace.
TEST_F(CardCommand, AFolderOutsideTheCardDataFolderIsRefused) {
    writeBytes(temp / "precious.txt", "the user's file");
    for (const char* folder : {"..", ".", "../src", "a/b"}) {
        SCOPED_TRACE(folder);
        changeSample([&](Project& p) { p.card.folder = folder; });
        const auto before = folderContents(temp.path());

        const CommandResult result = card({"--replace"});

        EXPECT_EQ(result.exitCode, 1);
        EXPECT_THAT(result.err, HasSubstr("作成フォルダ名には"));
        EXPECT_EQ(folderContents(temp.path()), before);
    }
}

TEST_F(CardCommand, AnExistingCardFolderIsReplacedOnlyWithReplace) {
    fs::create_directories(cardFolder);
    writeBytes(cardFolder / "OLD.WAV", "old");
    const auto before = folderContents(cards);

    const CommandResult refused = card();
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_THAT(refused.err, HasSubstr(GetMsg(msg::kReplaceCardFolder, "\n" + cardFolder.string())));
    EXPECT_EQ(folderContents(cards), before);

    const CommandResult replaced = card({"--replace"});
    ASSERT_EQ(replaced.exitCode, 0) << replaced.err;
    EXPECT_FALSE(fs::exists(cardFolder / "OLD.WAV"));
    EXPECT_TRUE(fs::exists(cardFolder / "CHIME.WAV"));
}

TEST_F(CardCommand, ChecksRefuseWithTheWindowsTextsAndWriteNothing) {
    const struct {
        const char* what;
        std::function<void(Project&)> change;
        std::string text;
    } cases[] = {
        {"forbidden character", [](Project& p) { p.card.cardName = "SAM-PLE"; }, ForbiddenCharactersText()},
        {"no folder", [](Project& p) { p.card.folder = ""; }, GetMsg(msg::kFolderMissing)},
        {"LED time past 300",
         [](Project& p) {
             p.sheets[0].lines[0].ledType = "1";
             p.sheets[0].lines[0].ledTime = "300.5";
         },
         "No.（01） " + GetMsg(msg::kLedTimeRange) + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(sources);
        fs::copy(VEXA_SAMPLE_DIR, sources);
        changeSample(c.change);

        const CommandResult result = card();

        EXPECT_EQ(result.exitCode, 1);
        EXPECT_THAT(result.err, HasSubstr(c.text));
        EXPECT_TRUE(fs::is_empty(cards));
    }
}

TEST_F(CardCommand, AMissingCardDataFolderAndUsageErrors) {
    const CommandResult missing = runVexa({"card", (sources / "SAMPLE.vxa").string(), "--card-path",
                                           (temp / "nowhere").string(), "--home", programFolder().string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_THAT(missing.err, HasSubstr("現在、詳細設定で指定されているカーデータフォルダは存在しません。"));
    EXPECT_EQ(runVexa({"card"}).exitCode, 2);
    EXPECT_EQ(runVexa({"card", "a.vxa", "--no-such-option"}).exitCode, 2);
}

TEST_F(CardCommand, AFailureHalfWayLeavesTheOldCardFolder) {
    // Room for the bytes, but inodes for the old card (folder, one file) and
    // only part of the new set.
    TmpfsMount small(cards, "size=4m,nr_inodes=6");
    if (!small.mounted())
        GTEST_SKIP() << small.reason();
    fs::create_directories(cardFolder);
    writeBytes(cardFolder / "SAMPLE.vxa", "the old control file");
    const auto before = folderContents(cards);

    const CommandResult result = card({"--replace"});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.err, HasSubstr(GetMsg(msg::kControlDataFailed)));
    EXPECT_THAT(result.err, HasSubstr("空き容量が足りません"));
    EXPECT_EQ(folderContents(cards), before);
}

}  // namespace
}  // namespace vexa::test
