#pragma once
// UserDialogs for runs nobody watches (the screenshot run): each message is
// written to the error stream and answered with the button that changes
// least; choosers are cancelled.
#include "core/ui/UserDialogs.h"

namespace vexa::gui {

class UnattendedDialogs : public UserDialogs {
public:
    MessageAnswer showMessage(const MessageRequest& request) override;
    std::vector<std::string> chooseFiles(const FileChooserRequest& request) override;
    std::string chooseFolder(const std::string& initialFolder) override;
};

}  // namespace vexa::gui
