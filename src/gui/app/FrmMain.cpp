#include "gui/app/FrmMain.h"

#include "core/app/EditorProject.h"
#include "core/app/MainWindowQuestions.h"
#include "core/app/MainWindowSize.h"
#include "gui/app/TestRunScreen.h"
#include "gui/app/ToolbarIcons.h"
#include "gui/card/FrmCardMake.h"
#include "udisks/UDisks2Service.h"
#include "core/config/Messages.h"
#include "gui/editor/FgMemo.h"
#include "gui/editor/FgProgramView.h"
#include "gui/editor/ProgramTableView.h"
#include "core/editor/SheetHeaderControls.h"
#include "gui/editor/SheetHeaderFrame.h"
#include "core/editor/TestRun.h"
#include "gui/print/FrmPrint.h"
#include "gui/week/FrmWeek.h"
#include "gui/settings/FrmSeting.h"
#include "gui/sound/FrmSound.h"
#include "gui/editor/FrmCopy.h"
#include "gui/ui/QtUserDialogs.h"
#include "audio/QtAudioOutput.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeySequence>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace vexa::gui {
namespace {

constexpr int kSheetTabs = 8;

int actionIndex(ToolbarKey key) { return static_cast<int>(key); }

bool isSheetIndex(int sheet) { return sheet >= 0 && sheet < kSheetSlots; }

}  // namespace

FrmMain::FrmMain(ProgramPaths paths, Document& document, UserDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent), paths_(std::move(paths)), document_(document) {
    setObjectName("FrmMain");
    if (dialogs) {
        dialogs_ = dialogs;
    } else {
        ownDialogs_ = std::make_unique<QtUserDialogs>(this);
        dialogs_ = ownDialogs_.get();
    }
    buildToolbar();
    buildCentralArea();
    buildStatusBar();
    buildUndoActions();
    buildGridMenu();
    tmrSim_ = new QTimer(this);
    tmrSim_->setObjectName("TmrSim");
    tmrSim_->setInterval(kTestTickMilliseconds);
    tmrSim_->setTimerType(Qt::PreciseTimer);
    connect(tmrSim_, &QTimer::timeout, this, &FrmMain::onSimTick);
    connectSheetControls();
    placeOnScreen();
    lblAttention_->setText(QString::fromStdString(GetMsg(msg::kAttention)));
    applySheetMode();
    setCommandState(CommandState::Idle);
    setupGrid(true);
    showSheet(currentSheet_);
    documentListener_ = document_.subscribe([this](const DocumentChange& change) { onDocumentChanged(change); });
    updateUndoActions();
}

FrmMain::~FrmMain() {
    stopTest();  // the sound stops with the window
    // before the Document listeners they hold go
    delete cardMake_;
    delete printWindow_;
    delete weekWindow_;
    document_.unsubscribe(documentListener_);
}

void FrmMain::buildUndoActions() {
    undoAction_ = new QAction(QString::fromUtf8("元に戻す"), this);
    undoAction_->setObjectName("UndoAction");
    undoAction_->setShortcuts(QKeySequence::Undo);
    redoAction_ = new QAction(QString::fromUtf8("やり直し"), this);
    redoAction_->setObjectName("RedoAction");
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!redoKeys.contains(key))
            redoKeys.append(key);
    redoAction_->setShortcuts(redoKeys);
    connect(undoAction_, &QAction::triggered, this, &FrmMain::undo);
    connect(redoAction_, &QAction::triggered, this, &FrmMain::redo);
    // Window-wide keys; the grid offers both in its context menu too.
    addAction(undoAction_);
    addAction(redoAction_);
}

void FrmMain::buildGridMenu() {
    // The grid's context menu: undo and redo, then the line commands under
    // their buttons' captions. Their keys work while the grid or one of its
    // editors has the focus.
    QWidget* table = fgProgram_->table();
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    table->addAction(undoAction_);
    table->addAction(redoAction_);
    auto separator = [table] {
        auto* line = new QAction(table);
        line->setSeparator(true);
        table->addAction(line);
    };
    for (int index : kGridMenuLineCommands) {
        if (index == linecmd::kMoveUp || index == linecmd::kBatchFill)
            separator();
        QPushButton* button = lineCommand(index);
        auto* action = new QAction(button->text(), table);
        action->setObjectName(QStringLiteral("GridMenuCommand%1").arg(index));
        const std::string_view key = LineCommandShortcut(index);
        if (!key.empty()) {
            action->setShortcut(QKeySequence::fromString(QString::fromUtf8(key.data(), qsizetype(key.size())),
                                                         QKeySequence::PortableText));
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            button->setToolTip(button->text() + QStringLiteral(" (") +
                               action->shortcut().toString(QKeySequence::NativeText) + u')');
        }
        action->setEnabled(button->isEnabled());
        connect(action, &QAction::triggered, fgProgram_, [this, index] { fgProgram_->runLineCommand(index); });
        table->addAction(action);
        lineActions_[static_cast<std::size_t>(index)] = action;
    }
}

void FrmMain::setLineCommandEnabled(int index, bool enabled) {
    if (QPushButton* button = lineCommand(index))
        button->setEnabled(enabled);
    if (QAction* action = lineCommandAction(index))
        action->setEnabled(enabled);
}

void FrmMain::updateUndoActions() {
    const bool idle = !testRunning_;
    undoAction_->setEnabled(idle && document_.canUndo());
    redoAction_->setEnabled(idle && document_.canRedo());
    undoAction_->setToolTip(QString::fromStdString(document_.undoText()));
    redoAction_->setToolTip(QString::fromStdString(document_.redoText()));
}

void FrmMain::undo() {
    storeSheet();  // an open editor's text becomes a step first, and goes back
    document_.undo();
}

void FrmMain::redo() {
    storeSheet();
    document_.redo();
}

void FrmMain::onDocumentChanged(const DocumentChange& change) {
    using Kind = DocumentChange::Kind;
    if (change.kind == Kind::Replaced) {
        setupGrid(true);
        showSheet(currentSheet_);
    } else if ((change.kind == Kind::Undone || change.kind == Kind::Redone) && change.sheet >= 0 &&
               change.sheet < kSheetTabs && change.sheet != currentSheet_ &&
               configuration().settings.multiSheet()) {
        tabStrip_->setCurrentIndex(change.sheet);  // the user sees the step; the tab shows the sheet
    } else if (change.kind != Kind::Clean) {
        showSheet(currentSheet_);
    }
    updateUndoActions();
}

void FrmMain::buildToolbar() {
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName("Toolbar1");
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setIconSize(QSize(32, 32));
    toolbar_->toggleViewAction()->setEnabled(false);
    addToolBar(Qt::TopToolBarArea, toolbar_);

    for (const auto& item : ToolbarItems()) {
        if (item.separator) {
            toolbar_->addSeparator();
            continue;
        }
        QAction* action = toolbar_->addAction(toolbarIcon(item.key), QString::fromUtf8(item.caption));
        action->setObjectName(item.keyText);
        action->setData(QString::fromLatin1(item.keyText));
        const ToolbarKey key = item.key;
        connect(action, &QAction::triggered, this, [this, key] { runToolbarKey(key); });
        actions_[actionIndex(key)] = action;
    }
}

void FrmMain::buildCentralArea() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(3);

    tabStrip_ = new QTabBar(central);
    tabStrip_->setObjectName("TabStrip");
    tabStrip_->setExpanding(false);
    for (int i = 1; i <= kSheetTabs; ++i)
        tabStrip_->addTab(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
    connect(tabStrip_, &QTabBar::currentChanged, this, &FrmMain::onTabChanged);
    tabStrip_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* weekAction = new QAction(QStringLiteral("週間表示..."), tabStrip_);
    weekAction->setObjectName("TabWeek");
    connect(weekAction, &QAction::triggered, this, [this] { runToolbarKey(ToolbarKey::Week); });
    tabStrip_->addAction(weekAction);
    layout->addWidget(tabStrip_);

    frmSetting_ = new SheetHeaderFrame(central);
    layout->addWidget(frmSetting_);

    fgMemo_ = new FgMemo(central);
    layout->addWidget(fgMemo_, 0, Qt::AlignLeft);

    layout->addWidget(buildAttentionFrame(central));
    layout->addWidget(buildLineCommandFrame(central));

    fgProgram_ = new FgProgramView(document_, paths_.elementPatternFile, *dialogs_, central);
    layout->addWidget(fgProgram_, 1);

    setCentralWidget(central);
}

QWidget* FrmMain::buildAttentionFrame(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName("FrmAttention");
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(2, 0, 2, 0);
    lblAttention_ = new QLabel(frame);
    lblAttention_->setObjectName("LblAttention");
    lblAttention_->setStyleSheet("color: #b00000;");
    lblState_ = new QLabel(frame);
    lblState_->setObjectName("LblState");
    layout->addWidget(lblAttention_);
    layout->addStretch(1);
    layout->addWidget(lblState_);
    return frame;
}

QWidget* FrmMain::buildLineCommandFrame(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName("FrmTool");
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (int index = 0; index < kLineCommandSlots; ++index) {
        const std::string_view caption = LineCommandCaption(index);
        if (caption.empty())
            continue;  // there is no button 6
        auto* button = new QPushButton(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), frame);
        button->setObjectName(QStringLiteral("Command%1").arg(index));
        button->setFocusPolicy(Qt::TabFocus);
        commands_[static_cast<std::size_t>(index)] = button;
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return frame;
}

void FrmMain::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(true);
    statusPanel1_ = new QLabel(bar);
    statusPanel1_->setObjectName("StatusBar1Panel1");
    statusPanel1_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bar->addWidget(statusPanel1_, 1);
}

void FrmMain::placeOnScreen() {
    const QScreen* where = screen();
    if (!where)
        return;
    const QRect area = where->availableGeometry();
    // The frame is known once the window system has framed the window.
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    const FrameMargins frame{inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                             outer.bottom() - inner.bottom()};
    const WindowGeometry g = MainWindowInnerGeometry(
        {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()}, frame);
    setGeometry(g.x, g.y, g.width, g.height);
}

void FrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placedWithFrame_)
        return;
    placedWithFrame_ = true;
    // Again once the frame's size is known (at once offscreen, a little later
    // under a window manager), so that the title bar and the status bar fit.
    for (int delay : {0, 300})
        QTimer::singleShot(delay, this, [this] {
            if (frameGeometry() != lastPlacedFrame_) {
                placeOnScreen();
                lastPlacedFrame_ = frameGeometry();
            }
        });
}

QAction* FrmMain::toolbarAction(ToolbarKey key) const { return actions_[actionIndex(key)]; }

QPushButton* FrmMain::lineCommand(int index) const {
    return index >= 0 && index < static_cast<int>(commands_.size()) ? commands_[static_cast<std::size_t>(index)]
                                                                    : nullptr;
}

QAction* FrmMain::lineCommandAction(int index) const {
    return index >= 0 && index < static_cast<int>(lineActions_.size())
               ? lineActions_[static_cast<std::size_t>(index)]
               : nullptr;
}

void FrmMain::applySheetMode() {
    const SheetModeView view = SheetModeViewFor(configuration().settings.multiSheet());
    applyToolbarState();
    tabStrip_->setVisible(view.sheetControls);
    fgMemo_->setVisible(view.sheetControls);
    frmSetting_->setVisible(view.sheetControls);
}

void FrmMain::applyToolbarState() {
    const bool multiSheet = configuration().settings.multiSheet();
    for (const auto& item : ToolbarItems()) {
        if (item.separator)
            continue;
        const ToolbarButtonState state = ToolbarButtonStateFor(item.key, multiSheet, testRunning_);
        QAction* action = toolbarAction(item.key);
        action->setVisible(state.visible);
        action->setEnabled(state.enabled);
        action->setText(QString::fromStdString(state.caption));
        action->setToolTip(state.toolTip.empty() ? action->text() : QString::fromStdString(state.toolTip));
    }
    toolbarAction(ToolbarKey::Sim)
        ->setIcon(testRunning_ ? stopTestIcon() : toolbarIcon(ToolbarKey::Sim));
}

void FrmMain::setTestRunning(bool running) {
    testRunning_ = running;
    applyToolbarState();
    tabStrip_->setEnabled(!running);
    fgMemo_->setEnabled(!running);
    frmSetting_->setEnabled(!running);
    for (int index : {linecmd::kBatchFill, linecmd::kClearSheet})
        setLineCommandEnabled(index, !running);
    fgProgram_->setTestRunning(running);
    lblAttention_->setVisible(!running);
    updateUndoActions();
}

void FrmMain::connectSheetControls() {
    for (int index : {linecmd::kMoveUp, linecmd::kMoveDown, linecmd::kMoveLeft, linecmd::kMoveRight,
                      linecmd::kDelete, linecmd::kBatchFill, linecmd::kClearSheet})
        connect(lineCommand(index), &QPushButton::clicked, fgProgram_,
                [this, index] { fgProgram_->runLineCommand(index); });
    connect(fgProgram_, &FgProgramView::commandStateRequested, this, &FrmMain::setCommandState);
    connect(lineCommand(linecmd::kPlay), &QPushButton::clicked, this,
            [this] { startOrStopTest(fgProgram_->cursorRow(), TestEntry::LineButton); });
    // Once the click has placed the cursor, so that Check Sheet's cursor stays.
    connect(fgProgram_, &FgProgramView::lineTestClicked, this,
            [this](int row) { startOrStopTest(row, TestEntry::Click); }, Qt::QueuedConnection);
    connect(frmSetting_, &SheetHeaderFrame::edited, this, [this] { applyHeader(SheetEditKind::Header); });
    connect(fgMemo_, &FgMemo::edited, this, [this](int column) {
        applyHeader(column == FgMemo::kNameColumn ? SheetEditKind::Name : SheetEditKind::Memo);
    });
    connect(fgMemo_, &FgMemo::leftForward, this, [this] { frmSetting_->cmbVolume()->setFocus(Qt::TabFocusReason); });
    connect(fgMemo_, &FgMemo::leftBackward, this,
            [this] { lineCommand(linecmd::kClearSheet)->setFocus(Qt::BacktabFocusReason); });
}

void FrmMain::setupGrid(bool resetMemo) {
    if (resetMemo)
        fgMemo_->resetMemo();
    fgProgram_->setCurrentSheet(currentSheet_);
    fgProgram_->setupGrid(configuration().settings.lineCount());
    setWindowTitle(QString::fromStdString(GetMsg(msg::kAppTitle)));
}

void FrmMain::applyHeader(SheetEditKind kind) {
    SheetHeaderControls controls = frmSetting_->controls();
    controls.name = fgMemo_->name().toStdString();
    controls.memo = fgMemo_->memo().toStdString();
    ApplyHeaderControls(document_, currentSheet_, controls, kind);
}

void FrmMain::storeSheet() {
    fgProgram_->endEdit();
    fgMemo_->endEdit();
}

void FrmMain::showSheet(int sheet) {
    if (!isSheetIndex(sheet) || sheet != currentSheet_)
        return;
    const ProgramSheet& source = project().sheets[static_cast<std::size_t>(sheet)];
    fgProgram_->showSheet();
    frmSetting_->showHeader(ShowHeader(source.header));
    fgMemo_->setTexts(QString::fromStdString(source.header.name), QString::fromStdString(source.header.memo));
}

void FrmMain::clearSheetControls() {
    frmSetting_->clear();
    setupGrid(true);
}

void FrmMain::setCommandState(CommandState state) {
    const LineCommandControls controls = CommandControls(state);
    for (int index = 0; index < kLineCommandSlots; ++index)
        setLineCommandEnabled(index, controls.buttons[static_cast<std::size_t>(index)]);
    if (controls.playCaption)
        lineCommand(linecmd::kPlay)
            ->setText(QString::fromUtf8(controls.playCaption->data(),
                                        static_cast<qsizetype>(controls.playCaption->size())));
    fgMemo_->setEnabled(controls.memo);
    tabStrip_->setEnabled(controls.tabStrip);
    frmSetting_->setEnabled(controls.header);
}

void FrmMain::runToolbarKey(ToolbarKey key) {
    // The shown sheet reaches the Project before any command looks at it.
    storeSheet();
    setCommandState(CommandState::Idle);

    switch (key) {
    case ToolbarKey::New:
        commandNew();
        break;
    case ToolbarKey::Load:
        commandLoad();
        break;
    case ToolbarKey::Append:
        close();
        break;
    case ToolbarKey::Card:
        openCardCreation();
        break;
    case ToolbarKey::Copy:
        commandCopy();
        break;
    case ToolbarKey::Sound: {
        FrmSound window(document_, *dialogs_, this);
        window.setImportSettingsFile(paths_.configurationFile);
        window.exec();  // OK hands the new Sound Table to the Document as one step
        fgProgram_->rebuildVoiceLists();
        showSheet(currentSheet_);
        fgProgram_->RefreshVoiceCell();
        break;
    }
    case ToolbarKey::Sim:
        startOrStopTest(kGridHeaderRows, TestEntry::Sim);
        break;
    case ToolbarKey::Seting:
        commandSettings();
        break;
    case ToolbarKey::Print:
        // The main window stays disabled while the print selection is open.
        if (!printWindow_) {
            printWindow_ = new FrmPrint(document_, paths_, *dialogs_, this);
            connect(printWindow_, &FrmPrint::closed, this, [this] {
                setEnabled(true);
                printWindow_->deleteLater();
                printWindow_ = nullptr;
            });
            disableBehind(printWindow_);
            printWindow_->show();
        }
        break;
    case ToolbarKey::Week:
        openWeek();
        break;
    case ToolbarKey::Others1:
    case ToolbarKey::Others2:
        break;
    }
}

void FrmMain::openWeek() {
    if (!weekWindow_) {
        weekWindow_ = new FrmWeek(document_, CurrentMonth(), this);
        weekWindow_->setAttribute(Qt::WA_DeleteOnClose);
        connect(weekWindow_, &FrmWeek::sheetChosen, this, [this](int sheet) { tabStrip_->setCurrentIndex(sheet); });
    }
    weekWindow_->show();
    weekWindow_->raise();
    weekWindow_->activateWindow();
}

void FrmMain::setAudioOutput(AudioOutput& output) {
    stopTest();
    testRun_.reset();
    output_ = &output;
}

void FrmMain::startOrStopTest(int row, TestEntry entry) {
    if (!testRun_) {
        if (!output_) {
            auto output = std::make_unique<audio::QtAudioOutput>();
            output->setTimeSource([this] { return testClock_; });
            ownOutput_ = std::move(output);
            output_ = ownOutput_.get();
        }
        testScreen_ = std::make_unique<TestRunScreen>(*this, *fgProgram_, *lblState_, *tmrSim_);
        testRun_ = std::make_unique<TestRun>(*output_, *testScreen_);
    }
    testRun_->startOrStop(row, entry, project().patterns, [this, row, entry]() -> std::optional<TestTable> {
        storeSheet();  // ends the cell edit
        if (!fgProgram_->checkSheet())
            return std::nullopt;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const ProgramSheet& sheet = project().sheets[static_cast<std::size_t>(currentSheet_)];
        const auto lines = std::span(sheet.lines).first(static_cast<std::size_t>(fgProgram_->grid().lineCount()));
        TestTable table = BuildTestTable(lines, project().sounds, row, entry);
        QGuiApplication::restoreOverrideCursor();
        return table;
    });
}

void FrmMain::stopTest() {
    if (testRun_)
        testRun_->stop();
}

void FrmMain::onSimTick() {
    testClock_ += std::chrono::milliseconds(kTestTickMilliseconds);
    const CheckResult shown = testRun_ ? testRun_->tick() : std::nullopt;
    if (!shown)
        return;
    // The test waits while its message is read.
    const bool resume = tmrSim_->isActive();
    tmrSim_->stop();
    ShowRefusal(*dialogs_, *shown);
    if (resume && testRun_->running())
        tmrSim_->start();
}

void FrmMain::NewDataMakeClick() {
    NewDataMake(document_);  // the Document's listener lays the grid out again
    statusPanel1_->clear();
}

void FrmMain::commandNew() {
    if (!ConfirmDiscardChanges(*dialogs_, document_.modified()))
        return;
    NewDataMakeClick();
}

void FrmMain::commandLoad() {
    std::string path;
    if (RunLoadCommand(document_, *dialogs_, path) == LoadOutcome::Loaded)
        statusPanel1_->setText(QString::fromStdString(path));
    fgProgram_->rebuildVoiceLists();
    showSheet(currentSheet_);
}

void FrmMain::commandSettings() {
    const Settings before = configuration().settings;
    FrmSeting window(document_, paths_, *dialogs_,
                     {[this] { NewDataMakeClick(); }, [this] { fgProgram_->RefreshVoiceCell(); }}, this);
    window.exec();  // OK has cleared the contents when the Line Count or the sheet mode changed
    const Settings& after = configuration().settings;
    const bool modeChanged = after.multiSheet() != before.multiSheet();
    if (after.lineCount() == before.lineCount() && !modeChanged)
        return;
    applySheetMode();
    if (modeChanged) {
        currentSheet_ = 0;
        tabStrip_->setCurrentIndex(0);
    }
    setupGrid(true);
    showSheet(currentSheet_);
}

void FrmMain::commandCopy() {
    FrmCopy window(document_, currentSheet_, *dialogs_, this);
    window.exec();
}

// Disabling a window disables the windows it owns: the one opened is
// enabled again on its own, and the window manager keeps it in front.
void FrmMain::disableBehind(QWidget* opened) {
    setEnabled(false);
    opened->setEnabled(true);
}

FrmCardMake* FrmMain::cardMakeWindow() const { return cardMake_; }
FrmPrint* FrmMain::printWindow() const { return printWindow_; }

void FrmMain::openCardCreation() {
    if (cardMake_)
        return;
    // The main window stays disabled while the creation window is open.
    if (!volumeService_)
        volumeService_ = std::make_unique<UDisks2Service>();
    cardMake_ = new FrmCardMake(document_, paths_, *dialogs_, this, volumeService_.get());
    connect(cardMake_, &FrmCardMake::closed, this, [this] {
        setEnabled(true);
        cardMake_->deleteLater();
        cardMake_ = nullptr;
    });
    disableBehind(cardMake_);
    cardMake_->show();
    emit cardCreationRequested();
}

bool FrmMain::loadControlFile(const std::string& path) {
    const bool loaded = LoadChosenFile(document_, *dialogs_, path) == LoadOutcome::Loaded;
    if (loaded)
        statusPanel1_->setText(QString::fromStdString(path));
    return loaded;
}

void FrmMain::onTabChanged(int index) {
    storeSheet();
    if (index < 0 || index == currentSheet_)
        return;
    clearSheetControls();
    currentSheet_ = index;
    fgProgram_->setCurrentSheet(index);
    showSheet(index);
}

void FrmMain::closeEvent(QCloseEvent* event) {
    stopTest();  // the sound stops before the question
    storeSheet();  // what an open editor holds counts as a change
    switch (AskExit(*dialogs_, document_.modified())) {
    case ExitDecision::EndProgram:
        event->accept();
        QCoreApplication::quit();
        return;
    case ExitDecision::OpenCardCreation:
        event->ignore();
        openCardCreation();
        return;
    case ExitDecision::StayOpen:
        event->ignore();
        return;
    }
}

}  // namespace vexa::gui
