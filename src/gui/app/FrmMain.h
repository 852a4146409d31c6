#pragma once
// The editor's main window: toolbar, sheet tabs, sheet header, memo and
// programme grid, line command buttons, attention label and status bar. It
// shows the run's Document, hands every edit to it as a command, and offers
// undo and redo; it dispatches the toolbar keys.
#include "core/app/MainToolbar.h"
#include "core/app/ProgramPaths.h"
#include "core/document/Document.h"
#include "core/document/SheetEdit.h"
#include "core/editor/LineCommandState.h"
#include "core/editor/TestTable.h"
#include "core/ui/UserDialogs.h"

#include <QMainWindow>
#include <QPointer>
#include <QRect>

#include <array>
#include <chrono>
#include <memory>
#include <string>

class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QTabBar;
class QTimer;
class QToolBar;

namespace vexa {
class AudioOutput;
class TestRun;
class VolumeService;
class TestRunView;
}  // namespace vexa

namespace vexa::gui {

class FgMemo;
class FrmCardMake;
class FrmPrint;
class FrmWeek;
class FgProgramView;
class SheetHeaderFrame;

class FrmMain : public QMainWindow {
    Q_OBJECT

public:
    // `document` outlives the window. `dialogs` answers every message and
    // chooser of the window; without it the window asks through Qt dialogs.
    FrmMain(ProgramPaths paths, Document& document, UserDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~FrmMain() override;

    // Clears the editing contents (also called by the settings window after a
    // confirmed change of the Line Count or the sheet mode).
    void NewDataMakeClick();

    // Shows or hides the sheet controls for the configured sheet mode.
    void applySheetMode();

    // Reads a Control File into the Project; on success the status bar shows
    // its path and the Project counts as unmodified.
    bool loadControlFile(const std::string& path);

    // Store Sheet: ends every cell edit, so that the Project holds what the
    // controls show (each edit already reached it as a command).
    void storeSheet();
    // Show Sheet: the controls show sheet `sheet` of the Project (nothing for
    // an index outside 0 … 8).
    void showSheet(int sheet);
    // Setup Grid: the programme grid (and with `resetMemo` the memo grid) laid
    // out afresh for the Line Count; also sets the caption.
    void setupGrid(bool resetMemo);
    // Which line commands and sheet controls can be used.
    void setCommandState(CommandState state);

    // The toolbar, tabs, memo and header while a test runs (or not).
    void setTestRunning(bool running);
    bool testRunning() const { return testRunning_; }

    // Start or Stop Test: a running test stops, whoever asks; otherwise,
    // after Check Sheet, the test starts: of the whole sheet for SIM, else of
    // grid row `row`.
    void startOrStopTest(int row, TestEntry entry);
    // Stop Test (nothing when no test runs).
    void stopTest();
    // The sound output tests play through (the Qt one unless set); set it
    // while no test runs.
    void setAudioOutput(AudioOutput& output);
    // The test run, once a test has been asked for; TmrSim drives it.
    const TestRun* testRun() const { return testRun_.get(); }
    QTimer* simTimer() const { return tmrSim_; }

    // Runs a toolbar key as a click on its button does.
    void runToolbarKey(ToolbarKey key);

    Document& document() { return document_; }
    const Project& project() const { return document_.project(); }
    const Configuration& configuration() const { return document_.configuration(); }
    const ProgramPaths& paths() const { return paths_; }
    int currentSheet() const { return currentSheet_; }

    QAction* toolbarAction(ToolbarKey key) const;
    QAction* undoAction() const { return undoAction_; }
    QAction* redoAction() const { return redoAction_; }
    QPushButton* lineCommand(int index) const;  // nullptr for 6 and out of range
    // The grid's context-menu entry of line command `index` (with its key),
    // enabled exactly as its button; nullptr for commands the menu lacks.
    QAction* lineCommandAction(int index) const;
    FgProgramView* programGrid() const { return fgProgram_; }
    FgMemo* memoGrid() const { return fgMemo_; }
    SheetHeaderFrame* headerFrame() const { return frmSetting_; }
    QTabBar* tabStrip() const { return tabStrip_; }
    // The control data creation window while it is open, else nullptr.
    FrmCardMake* cardMakeWindow() const;
    // The print selection window while it is open, else nullptr.
    FrmPrint* printWindow() const;

signals:
    // Control data creation has opened (the CARD key, or Yes on the save
    // question when the window is closed).
    void cardCreationRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildUndoActions();
    void buildGridMenu();
    void setLineCommandEnabled(int index, bool enabled);
    void onDocumentChanged(const DocumentChange& change);
    void updateUndoActions();
    void undo();
    void redo();
    void buildToolbar();
    void buildCentralArea();
    void buildStatusBar();
    QWidget* buildAttentionFrame(QWidget* parent);
    QWidget* buildLineCommandFrame(QWidget* parent);
    void placeOnScreen();
    void applyToolbarState();
    void onTabChanged(int index);
    void commandNew();
    void commandLoad();
    void commandCopy();
    void openWeek();
    void commandSettings();
    void openCardCreation();
    void disableBehind(QWidget* opened);
    void clearSheetControls();
    void connectSheetControls();
    void applyHeader(SheetEditKind kind);
    void onSimTick();

    ProgramPaths paths_;
    Document& document_;
    int documentListener_ = -1;
    std::unique_ptr<UserDialogs> ownDialogs_;
    UserDialogs* dialogs_ = nullptr;
    int currentSheet_ = 0;
    bool testRunning_ = false;
    bool placedWithFrame_ = false;
    QRect lastPlacedFrame_;

    QToolBar* toolbar_ = nullptr;
    std::array<QAction*, kToolbarButtonCount> actions_{};
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QTabBar* tabStrip_ = nullptr;
    SheetHeaderFrame* frmSetting_ = nullptr;
    FgMemo* fgMemo_ = nullptr;
    FgProgramView* fgProgram_ = nullptr;
    std::array<QPushButton*, kLineCommandSlots> commands_{};
    std::array<QAction*, kLineCommandSlots> lineActions_{};
    QLabel* lblAttention_ = nullptr;
    QLabel* lblState_ = nullptr;
    QLabel* statusPanel1_ = nullptr;
    QPointer<FrmCardMake> cardMake_;
    QPointer<FrmPrint> printWindow_;
    QPointer<FrmWeek> weekWindow_;
    QTimer* tmrSim_ = nullptr;
    std::unique_ptr<AudioOutput> ownOutput_;
    std::unique_ptr<VolumeService> volumeService_;  // the disk service the card windows ask (UDisks2)
    // The test run's clock: 50 ms more at each tick of TmrSim, whenever it
    // really comes; the sound output measures its sounds on it.
    std::chrono::steady_clock::time_point testClock_ = std::chrono::steady_clock::now();
    AudioOutput* output_ = nullptr;
    std::unique_ptr<TestRunView> testScreen_;
    std::unique_ptr<TestRun> testRun_;
};

}  // namespace vexa::gui
