#include "app/MainWindowQuestions.h"

#include "config/Messages.h"
#include "ui/FileChoosers.h"

namespace vexa {
namespace {

constexpr int kMsgClearQuestion = 2032;
constexpr int kMsgSaveBeforeExit = 2036;
constexpr int kMsgExitQuestion = 2037;
constexpr int kMsgKtrFiles = 2071;
constexpr int kMsgWpjFiles = 2089;
constexpr int kMsgVxaFiles = 2090;

constexpr const char* kLoadTitle = "ファイルを開く";

MessageAnswer ask(UserDialogs& dialogs, int message, MessageButtons buttons) {
    return dialogs.showMessage({GetMsg(message), GetMsg(msg::kTitleConfirm), MessageIcon::Question, buttons});
}

}  // namespace

ExitDecision AskExit(UserDialogs& dialogs, bool modified) {
    if (!modified)
        return ask(dialogs, kMsgExitQuestion, MessageButtons::YesNo) == MessageAnswer::Yes
                   ? ExitDecision::EndProgram
                   : ExitDecision::StayOpen;
    switch (ask(dialogs, kMsgSaveBeforeExit, MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        return ExitDecision::OpenCardCreation;
    case MessageAnswer::No:
        return ExitDecision::EndProgram;
    default:
        return ExitDecision::StayOpen;
    }
}

bool ConfirmDiscardChanges(UserDialogs& dialogs, bool modified) {
    return !modified || ask(dialogs, kMsgClearQuestion, MessageButtons::YesNo) == MessageAnswer::Yes;
}

std::vector<std::string> ControlFileFilters() {
    return {GetMsg(kMsgVxaFiles) + " (*.vxa)|*.vxa", GetMsg(kMsgKtrFiles) + " (*.ktr)|*.ktr",
            GetMsg(kMsgWpjFiles) + " (*.wpj)|*.wpj"};
}

std::string ChooseControlFile(UserDialogs& dialogs, const std::string& cardPath) {
    return OpenFileDialog(dialogs, false, ControlFileFilters(), cardPath, kLoadTitle);
}

}  // namespace vexa
