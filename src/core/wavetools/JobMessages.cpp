#include "core/wavetools/JobMessages.h"

#include "core/config/Messages.h"

namespace vexa {

void ShowJobEnd(JobResult result, bool stopAsked, UserDialogs& dialogs) {
    const char* text = nullptr;
    switch (result) {
    case JobResult::Completed:
        if (stopAsked)
            dialogs.showMessage(
                {kJobAlreadyCompleted, GetMsg(msg::kTitleConfirm), MessageIcon::Information, MessageButtons::Ok});
        return;
    case JobResult::Stopped:
        text = "ユーザーにより処理を中断しました。";
        break;
    case JobResult::Failed:
        text = "変換処理中に異常が発生しました。処理を中止します。";
        break;
    }
    dialogs.showMessage({text, GetMsg(msg::kTitleConfirm), MessageIcon::Warning, MessageButtons::Ok});
}

bool ConfirmStop(UserDialogs& dialogs) {
    return dialogs.showMessage({"処理を中止してよろしいですか？", GetMsg(msg::kTitleConfirm), MessageIcon::Question,
                                MessageButtons::YesNo}) == MessageAnswer::Yes;
}

}  // namespace vexa
