#pragma once
// UserDialogs for tests: records every message shown and answers from queues
// that the test fills beforehand. An empty queue answers Ok / Yes, no files and
// no folder.
#include "core/ui/UserDialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace vexa::test {

class ScriptedDialogs : public UserDialogs {
public:
    std::vector<MessageRequest> shown;
    std::deque<MessageAnswer> answers;
    std::vector<FileChooserRequest> fileRequests;
    std::deque<std::vector<std::string>> fileAnswers;
    std::vector<std::string> folderRequests;
    std::deque<std::string> folderAnswers;
    std::vector<ChoiceRequest> choices;
    std::deque<ChoiceAnswer> choiceAnswers;  // empty: the first button, text unchanged

    MessageAnswer showMessage(const MessageRequest& request) override;
    std::vector<std::string> chooseFiles(const FileChooserRequest& request) override;
    std::string chooseFolder(const std::string& initialFolder) override;
    ChoiceAnswer askChoice(const ChoiceRequest& request) override;

    // The texts shown so far, in order.
    std::vector<std::string> texts() const;
};

}  // namespace vexa::test
