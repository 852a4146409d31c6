#pragma once
// The "取り込み" tab of the WAVE tools window: audio files of any common
// format, or the audio files of a folder, converted into an output folder as
// WAVE files the device plays, with the format, the loudness target and its
// ceiling, and the silence trim chosen here (kept in the Configuration File's
// section Import, which the sound registration window's conversions use
// too). The job runs on a worker (JobRun) with the bar, its caption and
// the stop button; each file's result fills a row of the list.
#include "core/import/ImportBatch.h"
#include "core/import/ImportSettings.h"
#include "core/ui/UserDialogs.h"
#include "gui/ui/JobRun.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace vexa {
class AudioBackend;
}

namespace vexa::gui {

class ImportPage : public QWidget {
    Q_OBJECT

public:
    explicit ImportPage(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~ImportPage() override;  // a running job is asked to stop and waited for

    // The Configuration File that keeps the settings (none: the defaults,
    // kept nowhere), WaveRef (where the default output folder lies) and the
    // auxiliary setting that allows stereo. Shows the settings.
    void setContext(const std::filesystem::path& configurationFile, const std::string& waveRef, bool stereoAllowed);
    // Runs on the worker before each job starts (tests hold a job there).
    void setBeforeJob(std::function<void()> hook) { beforeJob_ = std::move(hook); }
    bool running() const { return run_ != nullptr; }
    // Adds sources as the add buttons do.
    void addSources(const std::vector<std::string>& paths);
    // The stop question; a Yes asks the job to stop, and with `thenClose`
    // closeAfterJob() follows once it has ended.
    void askStop(bool thenClose);
    const ImportBatchResult& lastResult() const { return last_; }

    QListWidget* sourceList() const { return lstSources_; }
    QPushButton* addFilesButton() const { return cmdAddFiles_; }
    QPushButton* addFolderButton() const { return cmdAddFolder_; }
    QLineEdit* folderBox() const { return txtFolder_; }
    QComboBox* rateBox() const { return cmbRate_; }
    QComboBox* bitsBox() const { return cmbBits_; }
    QCheckBox* stereoBox() const { return chkStereo_; }
    QCheckBox* loudnessBox() const { return chkLoudness_; }
    QDoubleSpinBox* targetBox() const { return spnTarget_; }
    QDoubleSpinBox* peakBox() const { return spnPeak_; }
    QCheckBox* trimBox() const { return chkTrim_; }
    QGroupBox* progressFrame() const { return fraProgress_; }
    QProgressBar* progressBar() const { return prgImport_; }
    QPushButton* execButton() const { return cmdExec_; }
    QTableWidget* resultList() const { return tblResults_; }

signals:
    void runningChanged(bool running);
    void jobEnded();
    // Yes to closing the window during the job: the job has now ended.
    void closeAfterJob();

private:
    void buildControls();
    ImportOptions options() const;
    void showSettings(const ImportSettings& settings);
    void onExec();
    void start();
    void onJobFinished();
    void setRunning(bool running);
    void focusField(const std::string& field);

    UserDialogs& dialogs_;
    std::shared_ptr<AudioBackend> backend_;
    std::filesystem::path configurationFile_;
    std::string defaultFolder_;
    bool stereoAllowed_ = false;
    std::function<void()> beforeJob_;
    JobRun* run_ = nullptr;
    std::shared_ptr<ImportBatchResult> batch_;
    ImportBatchResult last_;
    bool asking_ = false;
    bool finishPending_ = false;
    bool closing_ = false;
    bool stopAsked_ = false;  // Yes to stopping the running batch

    QListWidget* lstSources_ = nullptr;
    QPushButton* cmdAddFiles_ = nullptr;
    QPushButton* cmdAddFolder_ = nullptr;
    QPushButton* cmdClear_ = nullptr;
    QLineEdit* txtFolder_ = nullptr;
    QPushButton* cmdFolder_ = nullptr;
    QComboBox* cmbRate_ = nullptr;
    QComboBox* cmbBits_ = nullptr;
    QCheckBox* chkStereo_ = nullptr;
    QCheckBox* chkLoudness_ = nullptr;
    QDoubleSpinBox* spnTarget_ = nullptr;
    QDoubleSpinBox* spnPeak_ = nullptr;
    QCheckBox* chkTrim_ = nullptr;
    QGroupBox* fraProgress_ = nullptr;
    QProgressBar* prgImport_ = nullptr;
    QPushButton* cmdExec_ = nullptr;
    QTableWidget* tblResults_ = nullptr;
};

}  // namespace vexa::gui
