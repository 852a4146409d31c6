#include "core/ui/Refusal.h"

#include "core/config/Messages.h"

namespace vexa {

Refusal Refusal::warning(int message, std::string_view extra) {
    return {GetMsg(message, extra), msg::kTitleConfirm, MessageIcon::Warning, {}, -1, -1};
}

Refusal Refusal::error(int message, std::string_view extra) {
    return {GetMsg(message, extra), msg::kTitleError, MessageIcon::Error, {}, -1, -1};
}

Refusal Refusal::at(std::string fieldName) const {
    Refusal copy = *this;
    copy.field = std::move(fieldName);
    return copy;
}

Refusal Refusal::atCell(int cellRow, int cellCol) const {
    Refusal copy = *this;
    copy.row = cellRow;
    copy.col = cellCol;
    return copy;
}

void ShowRefusal(UserDialogs& dialogs, const Refusal& refusal) {
    dialogs.showMessage({refusal.text, GetMsg(refusal.title), refusal.icon, MessageButtons::Ok});
}

bool Passed(UserDialogs& dialogs, const CheckResult& result) {
    if (result)
        ShowRefusal(dialogs, *result);
    return !result;
}

bool AskYesNo(UserDialogs& dialogs, int message, std::string_view extra) {
    return dialogs.showMessage({GetMsg(message, extra), GetMsg(msg::kTitleConfirm), MessageIcon::Question,
                                MessageButtons::YesNo}) == MessageAnswer::Yes;
}

}  // namespace vexa
