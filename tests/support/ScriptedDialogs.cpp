#include "ScriptedDialogs.h"

namespace vexa::test {

MessageAnswer ScriptedDialogs::showMessage(const MessageRequest& request) {
    shown.push_back(request);
    if (answers.empty()) {
        const bool question = request.buttons == MessageButtons::YesNo ||
                              request.buttons == MessageButtons::YesNoCancel;
        return question ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
}

std::vector<std::string> ScriptedDialogs::chooseFiles(const FileChooserRequest& request) {
    fileRequests.push_back(request);
    if (fileAnswers.empty())
        return {};
    auto a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

std::string ScriptedDialogs::chooseFolder(const std::string& initialFolder) {
    folderRequests.push_back(initialFolder);
    if (folderAnswers.empty())
        return {};
    auto a = folderAnswers.front();
    folderAnswers.pop_front();
    return a;
}

ChoiceAnswer ScriptedDialogs::askChoice(const ChoiceRequest& request) {
    choices.push_back(request);
    if (choiceAnswers.empty())
        return {0, request.editText};
    auto a = choiceAnswers.front();
    choiceAnswers.pop_front();
    return a;
}

std::vector<std::string> ScriptedDialogs::texts() const {
    std::vector<std::string> out;
    for (const auto& m : shown)
        out.push_back(m.text);
    return out;
}

}  // namespace vexa::test
