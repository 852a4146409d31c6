#include "core/app/MainWindowQuestions.h"

#include "core/config/Messages.h"
#include "core/ui/FileChoosers.h"

namespace vexa {
namespace {

constexpr const char* kLoadTitle = "ファイルを開く";

MessageAnswer ask(UserDialogs& dialogs, int message, MessageButtons buttons) {
    return dialogs.showMessage({GetMsg(message), GetMsg(msg::kTitleConfirm), MessageIcon::Question, buttons});
}

}  // namespace

ExitDecision AskExit(UserDialogs& dialogs, bool modified) {
    if (!modified)
        return ask(dialogs, msg::kExitQuestion, MessageButtons::YesNo) == MessageAnswer::Yes
                   ? ExitDecision::EndProgram
                   : ExitDecision::StayOpen;
    switch (ask(dialogs, msg::kSaveBeforeExit, MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        return ExitDecision::OpenCardCreation;
    case MessageAnswer::No:
        return ExitDecision::EndProgram;
    default:
        return ExitDecision::StayOpen;
    }
}

bool ConfirmDiscardChanges(UserDialogs& dialogs, bool modified) {
    return !modified || ask(dialogs, msg::kClearQuestion, MessageButtons::YesNo) == MessageAnswer::Yes;
}

std::vector<std::string> ControlFileFilters() {
    return {GetMsg(msg::kVxaFiles) + " (*.vxa)|*.vxa", GetMsg(msg::kKtrFiles) + " (*.ktr)|*.ktr",
            GetMsg(msg::kWpjFiles) + " (*.wpj)|*.wpj"};
}

std::string ChooseControlFile(UserDialogs& dialogs, const std::string& cardPath) {
    return OpenFileDialog(dialogs, false, ControlFileFilters(), cardPath, kLoadTitle);
}

}  // namespace vexa
