#include "core/wavetools/JobMessages.h"

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(ShowJobEnd, TellsOfStopFailureAndAStopThatCameTooLate) {
    test::ScriptedDialogs dialogs;
    ShowJobEnd(JobResult::Completed, false, dialogs);
    EXPECT_TRUE(dialogs.shown.empty());
    ShowJobEnd(JobResult::Stopped, true, dialogs);
    ShowJobEnd(JobResult::Failed, false, dialogs);
    ShowJobEnd(JobResult::Completed, true, dialogs);
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0], (MessageRequest{"ユーザーにより処理を中断しました。", "確認", MessageIcon::Warning,
                                                MessageButtons::Ok}));
    EXPECT_EQ(dialogs.shown[1], (MessageRequest{"変換処理中に異常が発生しました。処理を中止します。", "確認",
                                                MessageIcon::Warning, MessageButtons::Ok}));
    EXPECT_EQ(dialogs.shown[2], (MessageRequest{"処理は既に完了していたため、中止しませんでした。\n"
                                                "作成したファイルは最後まで書き込まれています。",
                                                "確認", MessageIcon::Information, MessageButtons::Ok}));
}

TEST(ConfirmStop, AsksTheStopQuestionAndIsTrueForYesOnly) {
    test::ScriptedDialogs dialogs;
    dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(ConfirmStop(dialogs));
    EXPECT_TRUE(ConfirmStop(dialogs));
    EXPECT_EQ(dialogs.shown[0], (MessageRequest{"処理を中止してよろしいですか？", "確認", MessageIcon::Question,
                                                MessageButtons::YesNo}));
}

}  // namespace
}  // namespace vexa
