#include "core/app/EditorProject.h"

#include "core/controlfile/ControlFileWriter.h"

#include "DocumentEdits.h"
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
    const Document document(configuration());
    const Project& p = document.project();
    EXPECT_EQ(p.patterns, configuration().patternDefaults);
    EXPECT_EQ(p.user, configuration().user);
    EXPECT_EQ(p.sounds.size(), 1u);
    EXPECT_FALSE(p.soundPresent);
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(p.sheets[0], ProgramSheet{});
}

TEST(EditorProject, NewClearsTheEditingContentsAndTheHistory) {
    const Configuration c = configuration();
    Project p = StartingProject(c);
    p.card.cardName = "CARD01";
    p.card.memo2 = "x";
    p.sheets[7].lines[29].voices[0] = "A.WAV";
    p.sheets[3].lines[40].voices[0] = "B.WAV";  // past the Line Count: not a line in use
    p.sounds.emplace_back().fileName = "A.WAV";
    p.soundPresent = true;
    p.patterns.led[0] = {"9.9", "9.9"};
    p.user.values[1] = "部署";
    Document document(c, p);
    test::renameSheet(document, 0, "朝");
    ASSERT_TRUE(document.modified());

    NewDataMake(document);

    const Project& cleared = document.project();
    EXPECT_EQ(cleared.card, CardInformation{});
    EXPECT_EQ(cleared.sheets[0].header.name, "");
    EXPECT_EQ(cleared.sheets[7].lines[29], ProgramLine{});
    EXPECT_EQ(cleared.sheets[3].lines[40].voices[0], "B.WAV");
    EXPECT_FALSE(cleared.soundPresent);
    EXPECT_EQ(cleared.patterns, c.patternDefaults);
    EXPECT_EQ(cleared.user.values[1], "部署");  // the User Information is not New's
    EXPECT_FALSE(document.modified());
    EXPECT_FALSE(document.canUndo());
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

TEST(EditorProject, LoadReadsTheChosenFileAndClearsModifiedAndTheHistory) {
    test::TempDir dir;
    Configuration c = configuration();
    c.settings.cardPath = dir.path().string();
    c.settings.addFunction1 = 1;  // sheet headers are carried in multi-sheet mode
    const auto card = writeCard(dir, c);

    Project start = StartingProject(c);
    start.card.memo1 = "before";
    Document document(c, start);
    test::renameSheet(document, 0, "unsaved");
    test::ScriptedDialogs dialogs;
    dialogs.answers = {MessageAnswer::Yes};
    dialogs.fileAnswers = {{card.string()}};
    std::string path;

    EXPECT_EQ(RunLoadCommand(document, dialogs, path), LoadOutcome::Loaded);
    EXPECT_EQ(path, card.string());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"編集内容がクリアされますがよろしいですか？　　"});
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].initialFolder, dir.path().string());
    EXPECT_EQ(document.project().sheets[0].header.name, "朝の放送");
    EXPECT_EQ(document.project().card.cardName, "CARD01");
    EXPECT_EQ(document.project().card.memo1, "");
    EXPECT_FALSE(document.modified());
    EXPECT_FALSE(document.canUndo());
}

TEST(EditorProject, LoadWarnsOfLinesWhoseBytesWereNotCp932) {
    test::TempDir dir;
    test::writeBytes(dir / "odd.vxa", "#1\r\nTITLE\xff\r\n");
    Document document(configuration());
    test::ScriptedDialogs dialogs;
    ASSERT_EQ(LoadChosenFile(document, dialogs, (dir / "odd.vxa").string()), LoadOutcome::Loaded);
    EXPECT_EQ(document.project().card.title, "TITLE\uFFFD");
    const MessageRequest warning{"「" + (dir / "odd.vxa").string() +
                                     "」の2行目に、CP932 の文字として読めないバイトがありました。\n"
                                     "その文字は「\uFFFD」と表示され、書き込むときは「?」になります。",
                                 "確認", MessageIcon::Warning, MessageButtons::Ok};
    EXPECT_EQ(dialogs.shown, std::vector<MessageRequest>{warning});
}

TEST(EditorProject, LoadDeclinedCancelledRefusedOrFailedChangesNothing) {
    test::TempDir dir;
    const Configuration c = configuration();
    test::writeBytes(dir / "notes.txt", "text\r\n");
    Project start = StartingProject(c);
    start.card.memo1 = "kept";
    Document document(c, start);
    test::renameSheet(document, 0, "kept");
    const Project before = document.project();

    struct Case {
        const char* name;
        std::vector<MessageAnswer> answers;
        std::vector<std::string> file;
        LoadOutcome outcome;
        std::vector<std::string> texts;
    };
    const std::string question = "編集内容がクリアされますがよろしいですか？　　";
    const std::string failed = "コントロールファイルの読込に失敗しました。    ";
    const Case cases[] = {
        {"declined", {MessageAnswer::No}, {}, LoadOutcome::Declined, {question}},
        {"cancelled", {MessageAnswer::Yes}, {}, LoadOutcome::Cancelled, {question}},
        {"another kind", {MessageAnswer::Yes}, {(dir / "notes.txt").string()}, LoadOutcome::Failed, {question, failed}},
        {"missing", {MessageAnswer::Yes}, {(dir / "missing.vxa").string()}, LoadOutcome::Failed, {question, failed}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        test::ScriptedDialogs dialogs;
        dialogs.answers.assign(k.answers.begin(), k.answers.end());
        dialogs.fileAnswers = {k.file};
        std::string path;
        EXPECT_EQ(RunLoadCommand(document, dialogs, path), k.outcome);
        ASSERT_EQ(dialogs.texts().size(), k.texts.size());
        for (std::size_t i = 0; i < k.texts.size(); ++i)  // a failed read adds the file and the reason
            EXPECT_TRUE(dialogs.texts()[i].starts_with(k.texts[i])) << dialogs.texts()[i];
        EXPECT_EQ(document.project().sheets, before.sheets);
        EXPECT_EQ(document.project().card, before.card);
        EXPECT_TRUE(document.modified());
        EXPECT_TRUE(document.canUndo());  // the user's steps are still there
    }
}

}  // namespace
}  // namespace vexa
