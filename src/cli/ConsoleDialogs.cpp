#include "cli/ConsoleDialogs.h"

#include <algorithm>
#include <iostream>

namespace vexa::cli {

MessageAnswer ConsoleDialogs::showMessage(const MessageRequest& request) {
    std::string line = request.text;
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::cerr << line << std::endl;
    switch (request.buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Yes;
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        break;
    }
    return MessageAnswer::Ok;
}

std::vector<std::string> ConsoleDialogs::chooseFiles(const FileChooserRequest&) { return {}; }

std::string ConsoleDialogs::chooseFolder(const std::string&) { return {}; }

}  // namespace vexa::cli
