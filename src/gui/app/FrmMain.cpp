#include "app/FrmMain.h"

#include "app/EditorProject.h"
#include "app/MainWindowQuestions.h"
#include "app/MainWindowSize.h"
#include "app/ToolbarIcons.h"
#include "config/Messages.h"
#include "ui/QtUserDialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace vexa::gui {
namespace {

constexpr int kMsgAttention = 2808;
constexpr int kSheetTabs = 8;

// The line command buttons by index; there is no button 6.
struct LineCommand {
    int index;
    const char* caption;
};
constexpr std::array<LineCommand, 8> kLineCommands = {{
    {0, "再生"},
    {1, "上移動"},
    {2, "下移動"},
    {3, "左移動"},
    {4, "右移動"},
    {5, "削除"},
    {7, "一括登録"},
    {8, "全ｸﾘｱ"},
}};

int actionIndex(ToolbarKey key) { return static_cast<int>(key); }

QFrame* placeholderFrame(const char* name, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

}  // namespace

FrmMain::FrmMain(ProgramPaths paths, Configuration configuration, UserDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent),
      paths_(std::move(paths)),
      configuration_(std::move(configuration)),
      project_(StartingProject(configuration_)) {
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
    placeOnScreen();
    lblAttention_->setText(QString::fromStdString(GetMsg(kMsgAttention)));
    applySheetMode();
    // The programme grid is set up here once it exists; setting it up also
    // gives the window its caption.
    setWindowTitle(QString::fromStdString(GetMsg(1000)));
}

FrmMain::~FrmMain() = default;

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
    layout->addWidget(tabStrip_);

    // The sheet header controls come into this frame.
    frmSetting_ = placeholderFrame("FrmSetting", central);
    frmSetting_->setMinimumHeight(96);
    layout->addWidget(frmSetting_);

    // The memo grid (name and memo of the sheet) takes this place.
    fgMemo_ = placeholderFrame("FgMemo", central);
    fgMemo_->setFixedHeight(24);
    layout->addWidget(fgMemo_);

    layout->addWidget(buildAttentionFrame(central));
    layout->addWidget(buildLineCommandFrame(central));

    // The programme grid takes this place.
    fgProgram_ = placeholderFrame("FgProgram", central);
    fgProgram_->setAutoFillBackground(true);
    fgProgram_->setBackgroundRole(QPalette::Base);
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
    for (const auto& command : kLineCommands) {
        auto* button = new QPushButton(QString::fromUtf8(command.caption), frame);
        button->setObjectName(QStringLiteral("Command%1").arg(command.index));
        button->setFocusPolicy(Qt::TabFocus);
        commands_[static_cast<std::size_t>(command.index)] = button;
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
    const WindowGeometry g =
        MainWindowGeometry({area.left(), area.top(), area.left() + area.width(), area.top() + area.height()});
    resize(g.width, g.height);
    move(g.x, g.y);
}

QAction* FrmMain::toolbarAction(ToolbarKey key) const { return actions_[actionIndex(key)]; }

QPushButton* FrmMain::lineCommand(int index) const {
    return index >= 0 && index < static_cast<int>(commands_.size()) ? commands_[static_cast<std::size_t>(index)]
                                                                    : nullptr;
}

void FrmMain::applySheetMode() {
    const SheetModeView view = SheetModeViewFor(configuration_.settings.multiSheet());
    applyToolbarState();
    tabStrip_->setVisible(view.sheetControls);
    fgMemo_->setVisible(view.sheetControls);
    frmSetting_->setVisible(view.sheetControls);
}

void FrmMain::applyToolbarState() {
    const bool multiSheet = configuration_.settings.multiSheet();
    for (const auto& item : ToolbarItems()) {
        if (item.separator)
            continue;
        const ToolbarButtonState state = ToolbarButtonStateFor(item.key, multiSheet, testRunning_);
        QAction* action = toolbarAction(item.key);
        action->setVisible(state.visible);
        action->setEnabled(state.enabled);
        action->setText(QString::fromStdString(state.caption));
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
    lblAttention_->setVisible(!running);
}

void FrmMain::runToolbarKey(ToolbarKey key) {
    // Before every key the grid's cell edit ends, the line commands go idle
    // and Store Sheet copies the shown sheet into the Project; that comes
    // with the programme grid and the sheet header.
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
        emit cardCreationRequested();
        break;
    case ToolbarKey::Copy:    // sheet duplication window: not built yet
    case ToolbarKey::Sound:   // sound registration window: not built yet
    case ToolbarKey::Seting:  // settings window: not built yet
    case ToolbarKey::Sim:     // test run: not built yet
    case ToolbarKey::Print:   // print selection window: not built yet
    case ToolbarKey::Others1:
    case ToolbarKey::Others2:
        break;
    }
}

void FrmMain::NewDataMakeClick() {
    NewDataMake(project_, configuration_);
    // The memo grid and the programme grid are cleared and set up again here
    // once they exist.
    statusPanel1_->clear();
}

void FrmMain::commandNew() {
    if (!ConfirmDiscardChanges(*dialogs_, project_.modified))
        return;
    NewDataMakeClick();
    // Show Sheet of the Current Sheet follows here with the sheet header.
}

void FrmMain::commandLoad() {
    std::string path;
    if (RunLoadCommand(project_, configuration_, *dialogs_, path) == LoadOutcome::Loaded)
        statusPanel1_->setText(QString::fromStdString(path));
    // The voice lists are rebuilt and the Current Sheet shown here (also after
    // a cancel) with the programme grid.
}

bool FrmMain::loadControlFile(const std::string& path) {
    if (LoadChosenFile(project_, configuration_, *dialogs_, path) != LoadOutcome::Loaded)
        return false;
    statusPanel1_->setText(QString::fromStdString(path));
    return true;
}

void FrmMain::onTabChanged(int index) {
    if (index < 0 || index == currentSheet_)
        return;
    // Store Sheet of the old sheet, Clear Sheet Controls and Show Sheet of
    // the new one come with the sheet header and the programme grid.
    currentSheet_ = index;
}

void FrmMain::closeEvent(QCloseEvent* event) {
    // A running test is stopped here, before the question, once the test run exists.
    switch (AskExit(*dialogs_, project_.modified)) {
    case ExitDecision::EndProgram:
        event->accept();
        QCoreApplication::quit();
        return;
    case ExitDecision::OpenCardCreation:
        event->ignore();
        emit cardCreationRequested();
        return;
    case ExitDecision::StayOpen:
        event->ignore();
        return;
    }
}

}  // namespace vexa::gui
