#pragma once
// The flash card format notice: the card must be formatted FAT16.
#include <QDialog>

class QLabel;
class QPushButton;

namespace vexa::gui {

class FmtAttention : public QDialog {
    Q_OBJECT

public:
    explicit FmtAttention(QWidget* parent = nullptr);

    QLabel* lblInfo1() const { return lblInfo1_; }
    QLabel* lblInfo2() const { return lblInfo2_; }
    QPushButton* okButton() const { return okButton_; }

private:
    QLabel* lblInfo1_ = nullptr;
    QLabel* lblInfo2_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace vexa::gui
