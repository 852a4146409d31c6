#include "app/UnattendedDialogs.h"

#include <iostream>

namespace vexa::gui {

MessageAnswer UnattendedDialogs::showMessage(const MessageRequest& request) {
    std::cerr << "vexa-editor: " << request.title << ": " << request.text << '\n';
    switch (request.buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        break;
    }
    return MessageAnswer::Cancel;
}

std::vector<std::string> UnattendedDialogs::chooseFiles(const FileChooserRequest&) { return {}; }

std::string UnattendedDialogs::chooseFolder(const std::string&) { return {}; }

}  // namespace vexa::gui
