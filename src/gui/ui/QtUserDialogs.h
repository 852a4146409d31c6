#pragma once
// UserDialogs answered by the user through Qt: QMessageBox for messages and
// questions, a small dialog for questions with buttons of their own,
// QFileDialog for the file and folder choosers.
#include "ui/UserDialogs.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace vexa::gui {

class QtUserDialogs : public UserDialogs {
public:
    // Dialogs are modal over `owner`, or over the active window when it is null.
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

private:
    QWidget* owner() const;

    QPointer<QWidget> owner_;
};

}  // namespace vexa::gui
