#pragma once
// The control data creation window "コントロールデータ作成": the card
// description's entries (each change a step of the Document), the capacity
// the registered WAVE files need, and Create, which checks and then writes
// the Card Folder on a worker thread behind the progress window. A completed
// creation shows the card part (CardMediaPanel): write the set to a card,
// check it, take it out.
#include "core/app/ProgramPaths.h"
#include "core/card/CardJob.h"
#include "core/cardcheck/VolumeService.h"
#include "core/document/Document.h"
#include "core/ui/UserDialogs.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vexa::gui {

class CardCreationRun;
class CardMediaPanel;
class FrmProgress;

class FrmCardMake : public QWidget {
    Q_OBJECT

public:
    // A window of its own owned by `owner` (the main window), which the
    // window manager keeps it in front of; `owner` also parents the error
    // list shown after this window has closed. `document` and `dialogs`
    // outlive the window, and so does `volumes`, the disk service (may be null).
    FrmCardMake(Document& document, const ProgramPaths& paths, UserDialogs& dialogs, QWidget* owner = nullptr,
                VolumeService* volumes = nullptr);
    ~FrmCardMake() override;

    QLineEdit* box(const char* name) const;  // a text box by its name ("TxtTitle")
    QComboBox* cmbCardSize() const { return cmbCardSize_; }
    QLabel* lblUseSize() const { return lblUseSize_; }
    QPushButton* cmdCardMake() const { return cmdCardMake_; }
    QPushButton* cmdClose() const { return cmdClose_; }
    // The card part, hidden until a creation has completed.
    CardMediaPanel* cardPanel() const { return cardPanel_; }
    // The progress window while a creation runs, else nullptr.
    FrmProgress* progressWindow() const;
    bool creating() const;

    // Create, as the button runs it.
    void create();

signals:
    // The window has closed (the main window is enabled again).
    void closed();
    // A creation has ended (completed, failed or stopped) and its message was shown.
    void creationEnded(bool completed);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void fill();
    void onBoxChanged(const char* field, const QString& text);
    void onDateLeft();
    CardInformation entriesOfControls() const;
    void focusField(const std::string& field);
    void showErrorList(const std::string& text);
    void startCreation(const CardJob& job);
    void onCreationFinished();

    Document& document_;
    ProgramPaths paths_;
    UserDialogs& dialogs_;
    QPointer<QWidget> owner_;
    bool filling_ = false;
    std::vector<std::pair<const char*, QLineEdit*>> boxes_;  // name → box
    QComboBox* cmbCardSize_ = nullptr;
    QLabel* lblUseSize_ = nullptr;
    QPushButton* cmdCardMake_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    CardMediaPanel* cardPanel_ = nullptr;
    QPointer<FrmProgress> progress_;
    std::unique_ptr<CardCreationRun> run_;
};

}  // namespace vexa::gui
