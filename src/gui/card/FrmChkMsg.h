#pragma once
// The error list window "エラーリスト": the sheet check's list, with message
// 2103 shown on top of it once the window is up.
#include "core/ui/UserDialogs.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace vexa::gui {

class FrmChkMsg : public QDialog {
    Q_OBJECT

public:
    FrmChkMsg(const std::string& errorList, UserDialogs& dialogs, QWidget* parent = nullptr);

    QPlainTextEdit* txtDisp() const { return txtDisp_; }
    QPushButton* cmdClose() const { return cmdClose_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    UserDialogs& dialogs_;
    QPlainTextEdit* txtDisp_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    bool told_ = false;
};

}  // namespace vexa::gui
