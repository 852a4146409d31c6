#include "core/app/MainWindowQuestions.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace vexa {
namespace {

const char* const kExitText = "アプリケーションを終了してもよろしいですか？";
const char* const kSaveText =
    "エディタ情報が変更されています。保存しますか？　　\n「はい」　　：　保存して終了\n「いいえ」　：　保存せずに終了";
const char* const kClearText = "編集内容がクリアされますがよろしいですか？　　";

TEST(MainWindowQuestions, ExitDecisionTable) {
    struct Case {
        bool modified;
        MessageAnswer answer;
        const char* text;
        MessageButtons buttons;
        ExitDecision decision;
    };
    const Case cases[] = {
        {false, MessageAnswer::Yes, kExitText, MessageButtons::YesNo, ExitDecision::EndProgram},
        {false, MessageAnswer::No, kExitText, MessageButtons::YesNo, ExitDecision::StayOpen},
        {true, MessageAnswer::Yes, kSaveText, MessageButtons::YesNoCancel, ExitDecision::OpenCardCreation},
        {true, MessageAnswer::No, kSaveText, MessageButtons::YesNoCancel, ExitDecision::EndProgram},
        {true, MessageAnswer::Cancel, kSaveText, MessageButtons::YesNoCancel, ExitDecision::StayOpen},
    };
    for (const auto& c : cases) {
        test::ScriptedDialogs dialogs;
        dialogs.answers = {c.answer};
        EXPECT_EQ(AskExit(dialogs, c.modified), c.decision);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0], (MessageRequest{c.text, "確認", MessageIcon::Question, c.buttons}));
    }
}

TEST(MainWindowQuestions, DiscardIsAskedOnlyWhenModified) {
    test::ScriptedDialogs dialogs;
    EXPECT_TRUE(ConfirmDiscardChanges(dialogs, false));
    EXPECT_TRUE(dialogs.shown.empty());

    dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(ConfirmDiscardChanges(dialogs, true));
    EXPECT_TRUE(ConfirmDiscardChanges(dialogs, true));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0], (MessageRequest{kClearText, "確認", MessageIcon::Question, MessageButtons::YesNo}));
}

TEST(MainWindowQuestions, LoadChooserOffersTheThreeControlFileKinds) {
    test::TempDir dir;
    const std::string cardPath = (dir / "VexaEditor CardData").string();
    std::filesystem::create_directory(cardPath);
    test::ScriptedDialogs dialogs;
    dialogs.fileAnswers = {{"/cards/a.vxa"}, {}};
    EXPECT_EQ(ChooseControlFile(dialogs, cardPath), "/cards/a.vxa");
    EXPECT_EQ(ChooseControlFile(dialogs, ""), "");

    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    const auto& request = dialogs.fileRequests[0];
    EXPECT_EQ(request.title, "ファイルを開く");
    EXPECT_EQ(request.initialFolder, cardPath);
    EXPECT_FALSE(request.multiple);
    const std::vector<std::string> filters = {"Vexa Editorファイル (*.vxa)|*.vxa",
                                              "KTR ControlEditorファイル (*.ktr)|*.ktr",
                                              "Chimewell Editorファイル (*.wpj)|*.wpj"};
    EXPECT_EQ(request.filters, filters);
}

}  // namespace
}  // namespace vexa
