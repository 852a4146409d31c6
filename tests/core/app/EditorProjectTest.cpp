#include "app/EditorProject.h"

#include "model/ControlFileWriter.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

Configuration configuration() {
    Configuration c;
    c.settings.maxLine = 30;
    c.patternDefaults.led[0] = {"0.5", "0.5"};
    c.patternDefaults.buzzer[2] = {"1.0", "2.0"};
    c.user.values[0] = "会社";
    return c;
}

TEST(EditorProject, StartsClearedWithTheDefaultsOfTheConfiguration) {
    const Project p = StartingProject(configuration());
    EXPECT_EQ(p.patterns, configuration().patternDefaults);
    EXPECT_EQ(p.user, configuration().user);
    EXPECT_EQ(p.sounds.size(), 1u);
    EXPECT_FALSE(p.soundPresent);
    EXPECT_FALSE(p.modified);
    EXPECT_EQ(p.sheets[0], ProgramSheet{});
}

TEST(EditorProject, NewClearsTheEditingContents) {
    const Configuration c = configuration();
    Project p = StartingProject(c);
    p.card.cardName = "CARD01";
    p.card.memo2 = "x";
    p.sheets[0].header.name = "朝";
    p.sheets[7].lines[29].voices[0] = "A.WAV";
    p.sheets[3].lines[40].voices[0] = "B.WAV";  // past the Line Count: not a line in use
    p.sounds.emplace_back().fileName = "A.WAV";
    p.soundPresent = true;
    p.patterns.led[0] = {"9.9", "9.9"};
    p.modified = true;
    p.user.values[1] = "部署";

    NewDataMake(p, c);

    EXPECT_EQ(p.card, CardInformation{});
    EXPECT_EQ(p.sheets[0].header.name, "");
    EXPECT_EQ(p.sheets[7].lines[29], ProgramLine{});
    EXPECT_EQ(p.sheets[3].lines[40].voices[0], "B.WAV");
    EXPECT_FALSE(p.soundPresent);
    EXPECT_FALSE(p.modified);
    EXPECT_EQ(p.patterns, c.patternDefaults);
    EXPECT_EQ(p.user.values[1], "部署");  // the User Information is not New's
}

// A card written by the editor itself: one named sheet, no sounds.
std::filesystem::path writeCard(const test::TempDir& dir, const Configuration& c) {
    Project p = StartingProject(c);
    p.card.cardName = "CARD01";
    p.sheets[0].header.name = "朝の放送";
    const auto path = dir / "CARD01.vxa";
    EXPECT_TRUE(WriteControlFile(p, c.settings, path));
    return path;
}

TEST(EditorProject, LoadReadsTheChosenFileAndClearsModified) {
    test::TempDir dir;
    Configuration c = configuration();
    c.settings.cardPath = dir.path().string();
    c.settings.addFunction1 = 1;  // sheet headers are carried in multi-sheet mode
    const auto card = writeCard(dir, c);

    Project p = StartingProject(c);
    p.modified = true;
    p.card.memo1 = "before";
    test::ScriptedDialogs dialogs;
    dialogs.answers = {MessageAnswer::Yes};
    dialogs.fileAnswers = {{card.string()}};
    std::string path;

    EXPECT_EQ(RunLoadCommand(p, c, dialogs, path), LoadOutcome::Loaded);
    EXPECT_EQ(path, card.string());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"編集内容がクリアされますがよろしいですか？　　"});
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].initialFolder, dir.path().string());
    EXPECT_EQ(p.sheets[0].header.name, "朝の放送");
    EXPECT_EQ(p.card.cardName, "CARD01");
    EXPECT_EQ(p.card.memo1, "");
    EXPECT_FALSE(p.modified);
}

TEST(EditorProject, LoadDeclinedOrCancelledChangesNothing) {
    const Configuration c = configuration();
    Project p = StartingProject(c);
    p.modified = true;
    p.sheets[0].header.name = "kept";
    p.card.memo1 = "kept";
    const Project before = p;
    std::string path;

    test::ScriptedDialogs declined;
    declined.answers = {MessageAnswer::No};
    EXPECT_EQ(RunLoadCommand(p, c, declined, path), LoadOutcome::Declined);
    EXPECT_TRUE(declined.fileRequests.empty());

    test::ScriptedDialogs cancelled;  // Yes to the question, then no file
    EXPECT_EQ(RunLoadCommand(p, c, cancelled, path), LoadOutcome::Cancelled);
    EXPECT_EQ(path, "");
    EXPECT_EQ(p.sheets[0], before.sheets[0]);
    EXPECT_EQ(p.card, before.card);
    EXPECT_TRUE(p.modified);
}

TEST(EditorProject, LoadOfAnotherKindOfFileIsRefusedAndChangesNothing) {
    test::TempDir dir;
    const Configuration c = configuration();
    test::writeBytes(dir / "notes.txt", "text\r\n");
    Project p = StartingProject(c);
    p.card.memo1 = "kept";
    test::ScriptedDialogs dialogs;
    dialogs.fileAnswers = {{(dir / "notes.txt").string()}};
    std::string path;

    EXPECT_EQ(RunLoadCommand(p, c, dialogs, path), LoadOutcome::Failed);
    EXPECT_EQ(p.card.memo1, "kept");
    ASSERT_EQ(dialogs.shown.size(), 1u);  // not modified: no question, only the refusal
    EXPECT_EQ(dialogs.shown[0].text, "コントロールファイルの読込に失敗しました。    ");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Error);
}

TEST(EditorProject, LoadOfAnUnreadableFileFailsAndKeepsModified) {
    test::TempDir dir;
    const Configuration c = configuration();
    Project p = StartingProject(c);
    p.modified = true;
    test::ScriptedDialogs dialogs;
    dialogs.answers = {MessageAnswer::Yes};
    dialogs.fileAnswers = {{(dir / "missing.vxa").string()}};
    std::string path;

    EXPECT_EQ(RunLoadCommand(p, c, dialogs, path), LoadOutcome::Failed);
    EXPECT_TRUE(p.modified);
    EXPECT_EQ(dialogs.shown.back().text, "コントロールファイルの読込に失敗しました。    ");
}

}  // namespace
}  // namespace vexa
