#pragma once
// The release notes window "更新履歴": Release.txt beside the program.
#include <QDialog>

#include <filesystem>

class QPlainTextEdit;
class QPushButton;

namespace vexa::gui {

class FrmDisp2 : public QDialog {
    Q_OBJECT

public:
    explicit FrmDisp2(const std::filesystem::path& releaseNotes, QWidget* parent = nullptr);

    QPlainTextEdit* txtDisp() const { return txtDisp_; }
    QPushButton* cmdOk() const { return cmdOk_; }

private:
    QPlainTextEdit* txtDisp_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
};

}  // namespace vexa::gui
