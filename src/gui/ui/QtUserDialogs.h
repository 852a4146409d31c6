#pragma once
// UserDialogs answered by the user through Qt: QMessageBox for messages and
// questions, a small dialog for questions with buttons of their own,
// QFileDialog for the file and folder choosers.
#include "core/ui/UserDialogs.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace vexa::gui {

class QtUserDialogs : public UserDialogs {
public:
    // `owner` is the program's main window (null before it exists). Each
    // box and chooser is owned by the window the user is in: see ownerWindow.
    explicit QtUserDialogs(QWidget* owner = nullptr);

    MessageAnswer showMessage(const MessageRequest& request) override;
    std::vector<std::string> chooseFiles(const FileChooserRequest& request) override;
    std::string chooseFolder(const std::string& initialFolder) override;
    // A box of its own: the icon, the text, the one-line box when asked for,
    // and the buttons in the order given, the first the default.
    ChoiceAnswer askChoice(const ChoiceRequest& request) override;

    // QFileDialog name filters for "description|pattern" pairs: the description
    // followed by the patterns in parentheses, unless it already ends with them.
    static QStringList nameFilters(const std::vector<std::string>& filters);

    // The window the user is in, which a box must be owned by so that the
    // window manager keeps the box and, after it, that window in front: the
    // innermost modal window; else the active window when it is enabled and
    // is `root` or was opened from it; else `root`, or, while `root` is disabled, the
    // newest shown window opened from it (the card creation and print
    // windows leave the main window disabled without being modal), and so on.
    // With a null `root`, the active window stands for it.
    static QWidget* ownerWindow(QWidget* root);

private:
    QWidget* owner() const;

    QPointer<QWidget> owner_;
};

}  // namespace vexa::gui
