// vexa card: the card folder made from a Control File, its refusals on
// stderr and its exit codes, and the old folder kept on a failure.
#include "FolderContents.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "TmpfsMount.h"
#include "core/card/CardEntryCheck.h"
#include "core/config/ConfigurationFile.h"
#include "core/config/Messages.h"
#include "core/controlfile/ControlFileReader.h"
#include "core/controlfile/ControlFileWriter.h"

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
        ASSERT_TRUE(LoadKtrFile(sources / "SAMPLE.vxa", project, settings));
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

// A card data folder that is not there is named with where it came from,
// and made (every level) only with --make-card-path; none at all (a user who
// never started the editor) asks for --card-path.
TEST_F(CardCommand, AMissingCardDataFolderIsNamedWithItsSourceAndMadeOnlyWhenAsked) {
    const std::string sample = (sources / "SAMPLE.vxa").string();
    const fs::path nowhere = temp / "new" / "cards";
    const CommandResult missing =
        runVexa({"card", sample, "--card-path", nowhere.string(), "--home", programFolder().string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "カードデータフォルダ「" + nowhere.string() +
                               "」は存在しません（--card-path で指定されたフォルダ）。\n"
                               "--make-card-path を付けると作成します。\n");
    EXPECT_FALSE(fs::exists(temp / "new"));

    const CommandResult made = runVexa(
        {"card", sample, "--card-path", nowhere.string(), "--make-card-path", "--home", programFolder().string()});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_EQ(made.out, (nowhere / "SAMPLE").string() + "\n");
    EXPECT_EQ(folderContents(nowhere / "SAMPLE").size(), 5u);

    // From the configuration of the Program Folder.
    TempDir home;
    for (const char* name : {"vexacontrol.ini", "elmptnvxa.elm"})
        fs::copy_file(programFolder() / name, home / name);
    const std::string ini = (home / "vexacontrol.ini").string();
    ASSERT_TRUE(WriteConfigurationValue(ini, "System", "CardPath", (temp / "gone").string()));
    const CommandResult configured = runVexa({"card", sample, "--home", home.path().string()});
    EXPECT_EQ(configured.exitCode, 1);
    EXPECT_THAT(configured.err, HasSubstr("カードデータフォルダ「" + (temp / "gone").string() + "」は存在しません（設定ファイル「" +
                                          ini + "」の CardPath）。"));

    ASSERT_TRUE(WriteConfigurationValue(ini, "System", "CardPath", ""));
    const CommandResult none = runVexa({"card", sample, "--make-card-path", "--home", home.path().string()});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_THAT(none.err, HasSubstr("設定ファイル「" + ini + "」に CardPath がありません"));
    EXPECT_THAT(none.err, HasSubstr("--card-path DIR"));

    // A file where the folder should be cannot be made into one.
    writeBytes(temp / "file", "x");
    const CommandResult file = runVexa({"card", sample, "--card-path", (temp / "file").string(), "--make-card-path",
                                        "--home", programFolder().string()});
    EXPECT_EQ(file.exitCode, 1);
    EXPECT_THAT(file.err, HasSubstr("「" + (temp / "file").string() + "」はフォルダではないか"));
}

TEST_F(CardCommand, UsageErrors) {
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
