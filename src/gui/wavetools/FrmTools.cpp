#include "gui/wavetools/FrmTools.h"

#include "core/wavetools/ConversionJob.h"
#include "gui/wavetools/ImportPage.h"
#include "core/wavetools/JobMessages.h"
#include "core/wavetools/SilenceJob.h"
#include "core/wavetools/ToolsFields.h"
#include "core/wavetools/ToolsRunningState.h"
#include "core/wavetools/ToolsValidation.h"
#include "gui/ui/UpDown.h"
#include "gui/ui/WorkAreaFit.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace vexa::gui {
namespace {

// The arrows beside the time boxes: a little larger than the settings window's.
constexpr QSize kArrowSize(18, 12);

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string text(const QLineEdit* box) { return box->text().toStdString(); }

QPushButton* button(const char* caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);  // Return in a box starts nothing
    return b;
}

QLineEdit* box(const char* name, QWidget* parent) {
    auto* b = new QLineEdit(parent);
    b->setObjectName(name);
    return b;
}

// A progress frame whose caption appears only once a job reports: its height
// is that of the frame with a caption from the start, so that nothing below
// it moves when the first caption comes.
void reserveCaptionLine(QGroupBox* frame) {
    frame->setTitle(QString::fromUtf8("0%"));
    const int withCaption = frame->sizeHint().height();
    frame->setTitle({});
    frame->setMinimumHeight(withCaption);
}

QProgressBar* bar(const char* name, QWidget* parent) {
    auto* b = new QProgressBar(parent);
    b->setObjectName(name);
    b->setRange(0, 100);
    b->setValue(0);
    b->setTextVisible(false);
    return b;
}

// A key in a time box, in the terms of its rule.
TimeBoxKey classify(const QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy))
        return TimeBoxKey::Copy;
    if (event->matches(QKeySequence::Paste))
        return TimeBoxKey::Paste;
    if (event->matches(QKeySequence::Cut))
        return TimeBoxKey::Cut;
    if (event->matches(QKeySequence::SelectAll))
        return TimeBoxKey::SelectAll;
    if (event->key() == Qt::Key_Backspace)
        return TimeBoxKey::Backspace;
    const QString typed = event->text();
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    if (!control && typed.size() == 1 && typed[0] >= u'0' && typed[0] <= u'9')
        return TimeBoxKey::Digit;
    // Ctrl with a letter types a control character (Ctrl+A, Ctrl+Z …).
    if (control && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return TimeBoxKey::OtherCharacter;
    if (!typed.isEmpty() && typed[0].isPrint())
        return TimeBoxKey::OtherCharacter;
    return TimeBoxKey::NoCharacter;
}

// Whether the focus went elsewhere in the window (not to another window or
// a pop-up, after which it comes back).
bool leavesBox(const QFocusEvent* event) {
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

}  // namespace

FrmTools::FrmTools(UserDialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName("FrmTools");
    setWindowTitle(QString::fromUtf8("変換ﾂｰﾙ"));
    buildControls();
    setRunning(false);
    KeepInWorkArea(this);
}

FrmTools::~FrmTools() {
    if (!run_)
        return;
    delete run_;  // asks the job to stop and waits: it goes before the bars it reports to
    QApplication::restoreOverrideCursor();
}

void FrmTools::buildControls() {
    tabStrip_ = new QTabBar(this);
    tabStrip_->setObjectName("TabStrip1");
    tabStrip_->addTab(QString::fromUtf8("WAVE変換"));
    tabStrip_->addTab(QString::fromUtf8("無音WAVE"));
    tabStrip_->setExpanding(false);
    pages_ = new QStackedWidget(this);
    pages_->addWidget(buildConversionPage());
    pages_->addWidget(buildSilencePage());
    connect(tabStrip_, &QTabBar::currentChanged, pages_, &QStackedWidget::setCurrentIndex);
    // The import tab runs its own jobs; while one runs, the window stays on it.
    tabStrip_->addTab(QString::fromUtf8("取り込み"));
    importPage_ = new ImportPage(dialogs_, this);
    pages_->addWidget(importPage_);

    cmdExit_ = button("閉じる(&C)", "CmdExit", this);
    connect(cmdExit_, &QPushButton::clicked, this, &FrmTools::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(cmdExit_);

    connect(importPage_, &ImportPage::runningChanged, this, [this](bool importing) {
        tabStrip_->setEnabled(!importing);
        cmdExit_->setEnabled(!importing);
    });
    connect(importPage_, &ImportPage::closeAfterJob, this, [this] { QDialog::reject(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabStrip_);
    layout->addWidget(pages_, 1);
    layout->addLayout(bottom);
}

QWidget* FrmTools::buildConversionPage() {
    auto* page = new QWidget(this);
    auto* chooseFrame = new QGroupBox(QString::fromUtf8("対象のファイルまたはフォルダを選択してください"), page);
    optConvMode_[0] = new QRadioButton(QString::fromUtf8("ファイル単位で変換する"), chooseFrame);
    optConvMode_[1] = new QRadioButton(QString::fromUtf8("フォルダ単位で変換する"), chooseFrame);
    optConvMode_[0]->setObjectName("OptConvMode_0");
    optConvMode_[1]->setObjectName("OptConvMode_1");
    optConvMode_[0]->setChecked(true);
    connect(optConvMode_[1], &QRadioButton::toggled, this, &FrmTools::onModeChanged);

    auto* grid = new QGridLayout(chooseFrame);
    grid->addWidget(optConvMode_[0], 0, 0, 1, 3);
    grid->addWidget(optConvMode_[1], 1, 0, 1, 3);
    for (int i = 0; i < 2; ++i) {
        const auto n = static_cast<std::size_t>(i);
        labelConv_[n] = new QLabel(chooseFrame);
        labelConv_[n]->setObjectName(i == 0 ? "LabelConv01_0" : "LabelConv01_1");
        txtConv_[n] = box(i == 0 ? tools_field::kSource : tools_field::kOutput, chooseFrame);
        txtConv_[n]->setMinimumWidth(320);
        cmdConv_[n] = button("...", i == 0 ? "CmdConv01_0" : "CmdConv01_1", chooseFrame);
        connect(cmdConv_[n], &QPushButton::clicked, this, [this, i] { onChooseConversion(i); });
        grid->addWidget(labelConv_[n], 2 + 2 * i, 0, 1, 3);
        grid->addWidget(txtConv_[n], 3 + 2 * i, 0, 1, 2);
        grid->addWidget(cmdConv_[n], 3 + 2 * i, 2);
    }
    onModeChanged();

    fraConvProgress_ = new QGroupBox(page);
    fraConvProgress_->setObjectName("FraConvProgress");
    prgBar_ = bar("PrgBar", fraConvProgress_);
    (new QVBoxLayout(fraConvProgress_))->addWidget(prgBar_);
    reserveCaptionLine(fraConvProgress_);

    cmdExec_ = button("変換実行", "CmdExec", page);
    connect(cmdExec_, &QPushButton::clicked, this, &FrmTools::onExecConversion);
    auto* execRow = new QHBoxLayout;
    execRow->addStretch(1);
    execRow->addWidget(cmdExec_);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QString::fromUtf8("ステレオからモノラルへ変換します。"), page));
    layout->addWidget(chooseFrame);
    layout->addWidget(fraConvProgress_);
    layout->addLayout(execRow);
    layout->addStretch(1);
    return page;
}

QWidget* FrmTools::buildSilencePage() {
    auto* page = new QWidget(this);

    auto* timeFrame = new QGroupBox(QString::fromUtf8("①時間指定"), page);
    txtMM_ = box(tools_field::kMinutes, timeFrame);
    txtSS_ = box(tools_field::kSeconds, timeFrame);
    upDownMM_ = new UpDown(timeFrame, kArrowSize);
    upDownMM_->setObjectName("UpDownMM");
    upDown1_ = new UpDown(timeFrame, kArrowSize);
    upDown1_->setObjectName("UpDown1");
    auto* timeRow = new QHBoxLayout(timeFrame);
    for (QLineEdit* b : {txtMM_, txtSS_}) {
        b->setMaxLength(2);
        b->setText("00");
        b->setFixedWidth(36);
        b->setAlignment(Qt::AlignRight);
        b->setAcceptDrops(false);
        b->setAttribute(Qt::WA_InputMethodEnabled, false);  // digits come from keys only
        b->installEventFilter(this);
    }
    timeRow->addWidget(txtMM_);
    timeRow->addWidget(upDownMM_);
    timeRow->addWidget(new QLabel(QString::fromUtf8("分"), timeFrame));
    timeRow->addSpacing(12);
    timeRow->addWidget(txtSS_);
    timeRow->addWidget(upDown1_);
    timeRow->addWidget(new QLabel(QString::fromUtf8("秒"), timeFrame));
    timeRow->addStretch(1);
    connect(upDownMM_, &UpDown::stepped, this, [this](bool up) { spin(true, up ? Spin::Up : Spin::Down); });
    connect(upDown1_, &UpDown::stepped, this, [this](bool up) { spin(false, up ? Spin::Up : Spin::Down); });

    auto* formatFrame = new QGroupBox(QString::fromUtf8("②ＢＩＴ／サンプリングレートの指定"), page);
    cmbSample_ = new QComboBox(formatFrame);
    cmbSample_->setObjectName("CmbSample");
    for (std::string_view choice : kSampleChoices)
        cmbSample_->addItem(qs(choice));
    cmbSample_->setCurrentIndex(kDefaultSampleChoice);
    cmbBit_ = new QComboBox(formatFrame);
    cmbBit_->setObjectName("CmbBit");
    for (std::string_view choice : kBitChoices)
        cmbBit_->addItem(qs(choice));
    cmbBit_->setCurrentIndex(kDefaultBitChoice);
    auto* formatRow = new QHBoxLayout(formatFrame);
    formatRow->addWidget(cmbSample_);
    formatRow->addWidget(cmbBit_);
    formatRow->addStretch(1);

    auto* fileFrame = new QGroupBox(QString::fromUtf8("③作成するファイル名の指定"), page);
    txtSirent_ = box(tools_field::kSilentFile, fileFrame);
    cmdSrt_ = button("...", "CmdSrt", fileFrame);
    connect(cmdSrt_, &QPushButton::clicked, this, &FrmTools::onChooseSilentFile);
    auto* fileRow = new QHBoxLayout(fileFrame);
    fileRow->addWidget(txtSirent_, 1);
    fileRow->addWidget(cmdSrt_);

    fraSilenceProgress_ = new QGroupBox(page);
    fraSilenceProgress_->setObjectName("FraSilenceProgress");
    prgBar2_ = bar("PrgBar2", fraSilenceProgress_);
    (new QVBoxLayout(fraSilenceProgress_))->addWidget(prgBar2_);
    reserveCaptionLine(fraSilenceProgress_);

    cmdSirentExec_ = button("実行", "CmdSirentExec", page);
    connect(cmdSirentExec_, &QPushButton::clicked, this, &FrmTools::onExecSilence);
    auto* execRow = new QHBoxLayout;
    execRow->addStretch(1);
    execRow->addWidget(cmdSirentExec_);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(timeFrame);
    layout->addWidget(formatFrame);
    layout->addWidget(fileFrame);
    layout->addWidget(fraSilenceProgress_);
    layout->addLayout(execRow);
    layout->addStretch(1);
    return page;
}

ConversionMode FrmTools::mode() const {
    return optConvMode_[1]->isChecked() ? ConversionMode::Folder : ConversionMode::File;
}

void FrmTools::onModeChanged() {
    const ConversionLabels labels = LabelsFor(mode());
    labelConv_[0]->setText(qs(labels.source));
    labelConv_[1]->setText(qs(labels.output));
    for (QLineEdit* b : txtConv_)
        b->clear();
}

void FrmTools::onChooseConversion(int index) {
    const std::string path = choosers_.chooseForConversion(mode(), dialogs_);
    if (!path.empty())
        txtConv_[static_cast<std::size_t>(index)]->setText(QString::fromStdString(path));
}

void FrmTools::onChooseSilentFile() {
    const std::string path = choosers_.chooseSilentFile(dialogs_);
    if (!path.empty())
        txtSirent_->setText(QString::fromStdString(path));
}

void FrmTools::spin(bool minutes, Spin direction) {
    const TimeBoxes before{text(txtMM_), text(txtSS_)};
    const TimeBoxes after = minutes ? SpinMinutes(before, direction) : SpinSeconds(before, direction);
    txtMM_->setText(QString::fromStdString(after.minutes));
    txtSS_->setText(QString::fromStdString(after.seconds));
}

bool FrmTools::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtMM_ || watched == txtSS_) {
        auto* timeBox = static_cast<QLineEdit*>(watched);
        if (event->type() == QEvent::KeyPress && !TimeBoxKeyPasses(classify(static_cast<QKeyEvent*>(event))))
            return true;
        if (event->type() == QEvent::FocusOut && leavesBox(static_cast<QFocusEvent*>(event)))
            timeBox->setText(
                QString::fromStdString(LeaveTimeBox(text(timeBox), timeBox == txtMM_ ? kMinutesMax : kSecondsMax)));
    }
    return QDialog::eventFilter(watched, event);
}

// --- Jobs -------------------------------------------------------------------------

void FrmTools::onExecConversion() {
    if (running())
        askStop(false);
    else
        startConversion();
}

void FrmTools::onExecSilence() {
    if (running())
        askStop(false);
    else
        startSilence();
}

void FrmTools::startConversion() {
    const std::string source = text(txtConv_[0]);
    const std::string output = text(txtConv_[1]);
    const ConversionMode conversionMode = mode();
    const ToolsValidation checked = conversionMode == ConversionMode::File
                                        ? ValidateFileConversion(source, output, dialogs_)
                                        : ValidateFolderConversion(source, output, dialogs_);
    if (!checked.passed) {
        focusField(checked.focus);
        return;
    }
    const auto planned = PlanConversion(conversionMode, source, output, dialogs_);
    if (!planned)
        return;
    startJob(
        [job = *planned](Progress& progress) {
            ProgressLink link(progress, job.totalBytes);
            return RunConversion(job, link);
        },
        prgBar_, fraConvProgress_);
}

void FrmTools::startSilence() {
    const std::string minutes = text(txtMM_);
    const std::string seconds = text(txtSS_);
    const std::string output = text(txtSirent_);
    const ToolsValidation checked = ValidateSilence(minutes, seconds, output, dialogs_);
    if (!checked.passed) {
        focusField(checked.focus);
        return;
    }
    const SilenceJob job = SilenceJobFor(output, *SilenceSeconds(minutes, seconds), cmbSample_->currentText().toStdString(),
                                         cmbBit_->currentText().toStdString());
    startJob(
        [job](Progress& progress) {
            ProgressLink link(progress, job.totalBytes());
            return RunSilence(job, link);
        },
        prgBar2_, fraSilenceProgress_);
}

void FrmTools::startJob(ToolsJobRun::Job job, QProgressBar* progressBar, QGroupBox* frame) {
    progressBar->setValue(0);
    runBar_ = progressBar;
    stopAsked_ = false;
    run_ = new ToolsJobRun(std::move(job), this);
    connect(run_, &ToolsJobRun::valueChanged, progressBar, &QProgressBar::setValue);
    connect(run_, &ToolsJobRun::captionChanged, frame, &QGroupBox::setTitle);
    connect(run_, &ToolsJobRun::finished, this, &FrmTools::onJobFinished);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    setRunning(true);
    run_->start(beforeJob_);
}

void FrmTools::onJobFinished() {
    if (asking_) {  // told once the question is answered
        finishPending_ = true;
        return;
    }
    const JobResult result = run_->result();
    run_->deleteLater();  // it is the sender of this call
    run_ = nullptr;
    QApplication::restoreOverrideCursor();
    // Who closed the window during the job asked for the stop and is not
    // told of it again; a failure is always told, and so is a job that had
    // already completed when the stop was asked for.
    const bool completedAnyway = stopAsked_ && result == JobResult::Completed;
    if (!closing_ || result == JobResult::Failed || completedAnyway)
        ShowJobEnd(result, stopAsked_, dialogs_);
    if (FillsBarAtEnd(result))
        runBar_->setValue(runBar_->maximum());
    setRunning(false);
    emit jobEnded();
    if (closing_)
        QDialog::reject();
}

void FrmTools::askStop(bool thenClose) {
    asking_ = true;
    const bool stop = ConfirmStop(dialogs_);
    asking_ = false;
    if (stop) {
        stopAsked_ = true;
        closing_ = closing_ || thenClose;
        if (run_)
            run_->requestStop();
    }
    // A job that ended while the question was open is handled now, after
    // the answer, so that a Yes to closing closes the window.
    if (finishPending_) {
        finishPending_ = false;
        onJobFinished();
    }
}

void FrmTools::setImportContext(const std::filesystem::path& configurationFile, const std::string& waveRef,
                                bool stereoAllowed) {
    importPage_->setContext(configurationFile, waveRef, stereoAllowed);
}

void FrmTools::reject() {
    if (importPage_->running()) {
        importPage_->askStop(true);
        return;
    }
    if (!running())
        QDialog::reject();
    else if (!closing_)  // otherwise already waiting for the job to notice the stop
        askStop(true);
}

void FrmTools::setRunning(bool running) {
    for (std::string_view name : kIdleOnlyControls)
        if (auto* control = findChild<QWidget*>(qs(name)))
            control->setEnabled(!running);
    cmdExec_->setText(qs(ConvertButtonCaption(running)));
    cmdSirentExec_->setText(qs(SilenceButtonCaption(running)));
}

void FrmTools::focusField(const std::string& field) {
    auto* target = field.empty() ? nullptr : findChild<QLineEdit*>(QString::fromStdString(field));
    if (!target)
        return;
    for (int i = 0; i < pages_->count(); ++i)
        if (pages_->widget(i)->isAncestorOf(target))
            tabStrip_->setCurrentIndex(i);
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

}  // namespace vexa::gui
