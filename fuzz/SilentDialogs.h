#pragma once
// Dialogs that nobody answers: every message is taken as read with OK (No to a
// question), every chooser is cancelled. The fuzz targets need no user.
#include "core/ui/UserDialogs.h"

namespace vexa::fuzz {

class SilentDialogs final : public UserDialogs {
public:
    MessageAnswer showMessage(const MessageRequest& request) override {
        return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    std::vector<std::string> chooseFiles(const FileChooserRequest&) override { return {}; }
    std::string chooseFolder(const std::string&) override { return {}; }
};

}  // namespace vexa::fuzz
