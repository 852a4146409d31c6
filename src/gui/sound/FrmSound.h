#pragma once
// The sound registration window "Sound登録": the window's own copy of the
// Sound Table in a 255-row list, files added by the file chooser, a folder
// or a drop from the file manager, entries deleted, moved, commented and
// listened to, and OK handing the new table to the Document as one step.
// Cancel (or closing) drops everything after question 2067 when changed.
#include "core/document/Document.h"
#include "core/import/ImportRegistration.h"
#include "core/sound/InspectForRegistration.h"
#include "core/sound/SoundList.h"
#include "core/model/ProgramLineRules.h"
#include "core/ui/UserDialogs.h"

#include <QDialog>

#include <array>
#include <atomic>
#include <filesystem>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;

namespace vexa {
class AudioOutput;
}

namespace vexa::gui {

class JobRun;
class RegistrationImport;
class SoundListModel;

class FrmSound : public QDialog {
    Q_OBJECT

public:
    // `output` plays the sounds (the Qt sound output when none is given);
    // `measure` gives play lengths for the lines OK retimes (when empty, the
    // lengths the list measured as it registered or loaded each file).
    FrmSound(Document& document, UserDialogs& dialogs, QWidget* parent = nullptr, AudioOutput* output = nullptr,
             MeasureWave measure = {});
    ~FrmSound() override;

    const SoundList& list() const { return list_; }
    QTableView* fgWave() const { return fgWave_; }
    QPushButton* cmdWave(int index) const { return cmdWave_[static_cast<std::size_t>(index)]; }
    QPushButton* cmdTool() const { return cmdTool_; }
    QPushButton* cmdOk() const { return cmdOk_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }
    QLabel* timeDisplay() const { return lblTime_; }
    QLabel* sizeDisplay() const { return lblSize_; }
    // True while chosen files are being checked off the user-interface thread.
    bool registering() const { return registering_; }

    // Registers these files as if they had been chosen with "ファイル選択".
    void registerChosen(const std::vector<std::string>& paths);
    // Where the import's settings are kept (the Configuration File); a file
    // refused for a reason import can fix is offered to be converted.
    void setImportSettingsFile(std::filesystem::path file) { importSettingsFile_ = std::move(file); }
    RegistrationImport* registrationImport() const { return import_; }

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void showList();
    void onCurrentChanged(const QModelIndex& current);
    void placeCurrent(int row, int col);
    void clearSelection();
    void onRegistered();
    void finishRegistering(const ChecksToRegister& checks);
    void play(const std::optional<PlayRequest>& request);
    void onOk();
    void setBusy(bool busy);
    void stopRegistering();

    Document& document_;
    UserDialogs& dialogs_;
    AudioOutput* output_ = nullptr;
    std::unique_ptr<AudioOutput> ownOutput_;
    MeasureWave measure_;
    SoundList list_;
    SoundListModel* model_ = nullptr;
    bool placing_ = false;
    bool registering_ = false;  // from the choice until the result is listed
    JobRun* inspection_ = nullptr;  // the inspection of the chosen files
    ImportInspectionRun inspected_;   // its result, once it has finished
    RegistrationImport* import_ = nullptr;
    std::filesystem::path importSettingsFile_;
    bool closing_ = false;  // reject() stops the registration: no import questions then

    QTableView* fgWave_ = nullptr;
    std::array<QPushButton*, 8> cmdWave_{};
    QPushButton* cmdTool_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdStopRegistering_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* lblTime_ = nullptr;
    QLabel* lblSize_ = nullptr;
};

}  // namespace vexa::gui
