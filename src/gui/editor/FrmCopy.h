#pragma once
// The sheet duplication window "シート複製": one source sheet, one or more
// destination sheets. exec() returns QDialog::Accepted once it has copied (as
// one step of the Document).
#include "core/editor/SheetDuplication.h"
#include "core/ui/UserDialogs.h"

#include <QDialog>

class QComboBox;
class QListWidget;
class QPushButton;

namespace vexa::gui {

class FrmCopy : public QDialog {
    Q_OBJECT

public:
    FrmCopy(Document& document, int currentSheet, UserDialogs& dialogs, QWidget* parent = nullptr);

    // The Copied flag.
    bool copied() const { return copied_; }

    QComboBox* combo1() const { return combo1_; }
    QListWidget* list1() const { return list1_; }
    QPushButton* command1() const { return command1_; }
    QPushButton* command2() const { return command2_; }

private:
    void listDestinations();
    void onOk();

    Document& document_;
    UserDialogs& dialogs_;
    SheetDuplication duplication_;
    bool copied_ = false;
    QComboBox* combo1_ = nullptr;
    QListWidget* list1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
};

}  // namespace vexa::gui
