#pragma once
// UserDialogs for the terminal: every message is printed to stderr on one
// line, questions take their default answer (Yes / Ok), choosers choose
// nothing.
#include "core/ui/UserDialogs.h"

namespace vexa::cli {

class ConsoleDialogs final : public UserDialogs {
public:
    MessageAnswer showMessage(const MessageRequest& request) override;
    std::vector<std::string> chooseFiles(const FileChooserRequest& request) override;
    std::string chooseFolder(const std::string& initialFolder) override;
};

}  // namespace vexa::cli
