#pragma once
// The WAVE tools window "変換ﾂｰﾙ", opened modally from the sound registration
// window: the tab "WAVE変換" converts one stereo file or every WAVE file of a
// folder to mono, the tab "無音WAVE" makes a silent file of a chosen length,
// the tab "取り込み" (ImportPage) converts audio of any format for the card.
// The checks, the job lists and the texts are the core's; the job runs on a
// worker (ToolsJobRun) so the bar moves and the stop button answers at once.
// The window is never torn down while a job runs: closing during a job asks
// the stop question, and a Yes closes the window once the job has ended.
#include "core/ui/UserDialogs.h"
#include "core/wavetools/ConversionMode.h"
#include "core/wavetools/TimeBoxes.h"
#include "core/wavetools/ToolsChoosers.h"
#include "gui/wavetools/ToolsJobRun.h"

#include <QDialog>

#include <array>
#include <filesystem>
#include <functional>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabBar;

namespace vexa::gui {

class ImportPage;
class UpDown;

class FrmTools : public QDialog {
    Q_OBJECT

public:
    explicit FrmTools(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~FrmTools() override;

    // Runs on the worker before each job starts (tests hold a job there).
    void setBeforeJob(std::function<void()> hook) { beforeJob_ = std::move(hook); }
    // True from the start of a job until its end has been handled.
    bool running() const { return run_ != nullptr; }
    // The job has ended while the stop question was open; its end is handled
    // once the question has been answered.
    bool jobEndAwaitsAnswer() const { return finishPending_; }

    QTabBar* tabStrip() const { return tabStrip_; }
    QRadioButton* optConvMode(int index) const { return optConvMode_[static_cast<std::size_t>(index)]; }
    QLabel* labelConv(int index) const { return labelConv_[static_cast<std::size_t>(index)]; }
    QLineEdit* txtConv(int index) const { return txtConv_[static_cast<std::size_t>(index)]; }
    QPushButton* cmdConv(int index) const { return cmdConv_[static_cast<std::size_t>(index)]; }
    QGroupBox* conversionFrame() const { return fraConvProgress_; }
    QProgressBar* prgBar() const { return prgBar_; }
    QPushButton* cmdExec() const { return cmdExec_; }
    QLineEdit* txtMM() const { return txtMM_; }
    QLineEdit* txtSS() const { return txtSS_; }
    UpDown* upDownMM() const { return upDownMM_; }
    UpDown* upDown1() const { return upDown1_; }
    QComboBox* cmbSample() const { return cmbSample_; }
    QComboBox* cmbBit() const { return cmbBit_; }
    QLineEdit* txtSirent() const { return txtSirent_; }
    QPushButton* cmdSrt() const { return cmdSrt_; }
    QGroupBox* silenceFrame() const { return fraSilenceProgress_; }
    QProgressBar* prgBar2() const { return prgBar2_; }
    QPushButton* cmdSirentExec() const { return cmdSirentExec_; }
    QPushButton* cmdExit() const { return cmdExit_; }
    ImportPage* importPage() const { return importPage_; }
    // What the "取り込み" tab needs: where its settings are kept, WaveRef and
    // whether stereo is allowed.
    void setImportContext(const std::filesystem::path& configurationFile, const std::string& waveRef,
                          bool stereoAllowed);

    // The close box, Escape and "閉じる(&C)".
    void reject() override;

signals:
    // A job has ended and its end has been shown; the window is idle again.
    void jobEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QWidget* buildConversionPage();
    QWidget* buildSilencePage();
    ConversionMode mode() const;
    void onModeChanged();
    void onChooseConversion(int index);
    void onChooseSilentFile();
    void onExecConversion();
    void onExecSilence();
    void startConversion();
    void startSilence();
    void startJob(ToolsJobRun::Job job, QProgressBar* bar, QGroupBox* frame);
    void onJobFinished();
    // The stop question; Yes asks the job to stop (and the window to close
    // once it has ended, when `thenClose`).
    void askStop(bool thenClose);
    void setRunning(bool running);
    void focusField(const std::string& field);
    void spin(bool minutes, Spin direction);

    UserDialogs& dialogs_;
    ToolsChoosers choosers_;
    std::function<void()> beforeJob_;
    ToolsJobRun* run_ = nullptr;
    QProgressBar* runBar_ = nullptr;  // the bar of the running job
    bool asking_ = false;             // a stop question is open
    bool finishPending_ = false;      // the job ended while it was open
    bool closing_ = false;            // Yes to closing: close once the job has ended
    bool stopAsked_ = false;          // Yes to stopping the running job

    QTabBar* tabStrip_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    std::array<QRadioButton*, 2> optConvMode_{};
    std::array<QLabel*, 2> labelConv_{};
    std::array<QLineEdit*, 2> txtConv_{};
    std::array<QPushButton*, 2> cmdConv_{};
    QGroupBox* fraConvProgress_ = nullptr;
    QProgressBar* prgBar_ = nullptr;
    QPushButton* cmdExec_ = nullptr;
    QLineEdit* txtMM_ = nullptr;
    QLineEdit* txtSS_ = nullptr;
    UpDown* upDownMM_ = nullptr;
    UpDown* upDown1_ = nullptr;
    QComboBox* cmbSample_ = nullptr;
    QComboBox* cmbBit_ = nullptr;
    QLineEdit* txtSirent_ = nullptr;
    QPushButton* cmdSrt_ = nullptr;
    QGroupBox* fraSilenceProgress_ = nullptr;
    QProgressBar* prgBar2_ = nullptr;
    QPushButton* cmdSirentExec_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    ImportPage* importPage_ = nullptr;
};

}  // namespace vexa::gui
