#pragma once
// The progress window of control data creation: a bar and a label under the
// caption "コントロールファイルを作成しています。". The user cannot close it;
// creation closes it with finish() when it is done.
#include <QDialog>

class QLabel;
class QProgressBar;

namespace vexa::gui {

class FrmProgress : public QDialog {
    Q_OBJECT

public:
    explicit FrmProgress(QWidget* parent = nullptr);

    QProgressBar* prgBar() const { return prgBar_; }
    QLabel* lblProgress() const { return lblProgress_; }

    void setValue(int percent);
    void setCaption(const QString& text);
    // Lets the window close and closes it.
    void finish();

public slots:
    void reject() override;  // Escape does nothing

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QProgressBar* prgBar_ = nullptr;
    QLabel* lblProgress_ = nullptr;
    bool finished_ = false;
};

}  // namespace vexa::gui
