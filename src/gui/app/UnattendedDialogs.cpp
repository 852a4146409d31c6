#include "gui/app/UnattendedDialogs.h"

#include <iostream>

namespace vexa::gui {

MessageAnswer UnattendedDialogs::showMessage(const MessageRequest& request) {
    std::cerr << "vexa-editor: " << request.title << ": " << request.text << '\n';
    return DismissedAnswer(request.buttons);
}

std::vector<std::string> UnattendedDialogs::chooseFiles(const FileChooserRequest&) { return {}; }

std::string UnattendedDialogs::chooseFolder(const std::string&) { return {}; }

}  // namespace vexa::gui
