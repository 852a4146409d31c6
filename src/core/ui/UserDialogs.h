#pragma once
// The one way core code talks to the user: message boxes, questions and the
// file and folder choosers. The editor answers with Qt dialogs, tests answer
// from a script and record what was shown, the command line prints.
#include <string>
#include <vector>

namespace vexa {

enum class MessageIcon { None, Information, Question, Warning, Error };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    std::string text;   // UTF-8; may hold line feeds
    std::string title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;

    bool operator==(const MessageRequest&) const = default;
};

// The answer of a box closed without a button (Escape, the close box): the
// one that changes least.
constexpr MessageAnswer DismissedAnswer(MessageButtons buttons) {
    switch (buttons) {
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

// What a file-open chooser is asked for. `filters` are "description|pattern"
// pairs such as "Vexa Editorファイル|*.vxa", offered in this order.
struct FileChooserRequest {
    std::string title;
    std::string initialFolder;
    std::vector<std::string> filters;
    bool multiple = false;
    bool mustExist = true;  // false: a new name may be typed (one file only)
    // A chooser that saves: its button reads 保存; it does not ask about an
    // existing file itself (the caller asks, naming the file it will write).
    bool save = false;
};

// A question with buttons of its own (left to right) and, when
// `editLabel` is set, a one-line box under the text that starts with
// `editText`.
struct ChoiceRequest {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Question;
    std::vector<std::string> buttons;
    int dismissed = -1;  // the answer of a box closed without a button
    std::string editLabel;
    std::string editText;
};

struct ChoiceAnswer {
    int button = -1;       // index into `buttons`, or `dismissed`
    std::string editText;  // the box's text as the user left it
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // Shows a modal message box and returns the button pressed.
    virtual MessageAnswer showMessage(const MessageRequest& request) = 0;

    // The chosen existing files as full paths; empty when cancelled.
    virtual std::vector<std::string> chooseFiles(const FileChooserRequest& request) = 0;

    // The chosen folder's path without a trailing separator; "" when cancelled.
    virtual std::string chooseFolder(const std::string& initialFolder) = 0;

    // Shows a question with its own buttons. Where nobody can answer, it is
    // taken as dismissed with the box's text unchanged.
    virtual ChoiceAnswer askChoice(const ChoiceRequest& request) { return {request.dismissed, request.editText}; }
};

}  // namespace vexa
