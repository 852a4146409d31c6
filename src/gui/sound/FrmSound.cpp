#include "gui/sound/FrmSound.h"

#include "audio/QtAudioOutput.h"
#include "core/config/Messages.h"
#include "gui/sound/FrmPlay.h"
#include "core/sound/InspectForRegistration.h"
#include "core/document/Edits.h"
#include "gui/sound/SoundListModel.h"
#include "core/sound/WaveChoosers.h"
#include "core/sound/WaveInspection.h"
#include "gui/sound/RegistrationImport.h"
#include "gui/ui/JobRun.h"
#include "gui/ui/WorkAreaFit.h"
#include "gui/wavetools/FrmTools.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

namespace vexa::gui {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kListMinimumRows = 6;
constexpr int kListPreferredRows = 20;
constexpr int kRowButtons[] = {1, 3, 5, 6};
constexpr const char* kWaveCaptions[] = {"ファイル選択", "削除",     "全削除",   "試聴",
                                        "全試聴",       "上へ移動", "下へ移動", "フォルダ選択"};

// Local files of a drop, in the order the file manager gives them.
std::vector<std::string> droppedFiles(const QMimeData* mime) {
    std::vector<std::string> paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

}  // namespace

FrmSound::FrmSound(Document& document, UserDialogs& dialogs, QWidget* parent, AudioOutput* output,
                   MeasureWave measure)
    : QDialog(parent),
      document_(document),
      dialogs_(dialogs),
      output_(output),
      measure_(std::move(measure)),
      list_(SoundList::FromProject(document.project())),
      inspection_(new JobRun(this)) {
    setObjectName("FrmSound");
    setWindowTitle(QString::fromStdString(GetMsg(msg::kSoundCaption)));
    setModal(true);
    setAcceptDrops(true);
    buildControls();
    connect(inspection_, &JobRun::valueChanged, progress_, &QProgressBar::setValue);
    connect(inspection_, &JobRun::finished, this, &FrmSound::onRegistered);
    connect(import_, &RegistrationImport::finished, this, [this] { finishRegistering(import_->checks()); });
    showList();
    const int rowHeight = fgWave_->verticalHeader()->defaultSectionSize();
    resize(minimumSizeHint() + QSize(0, (kListPreferredRows - kListMinimumRows) * rowHeight));
    KeepInWorkArea(this);  // held to the work area, frame included
}

FrmSound::~FrmSound() {
    inspection_->stopAndWait();  // the worker reads files only; it ends after the file at hand
}

void FrmSound::buildControls() {
    model_ = new SoundListModel(list_, this);
    fgWave_ = new QTableView(this);
    fgWave_->setObjectName("FgWave");
    fgWave_->setModel(model_);
    fgWave_->verticalHeader()->hide();
    fgWave_->setSelectionMode(QAbstractItemView::NoSelection);
    // Any key, Japanese input included, starts an edit of a comment cell.
    fgWave_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    fgWave_->setAttribute(Qt::WA_InputMethodEnabled, true);
    fgWave_->viewport()->installEventFilter(this);
    const auto& headings = SoundColumnHeadings();
    int width = 0;
    for (int c = 0; c < SoundListModel::kShownColumns; ++c) {
        fgWave_->setColumnWidth(c, headings[static_cast<std::size_t>(c)].widthTwips / kTwipsPerPixel);
        width += fgWave_->columnWidth(c);
    }
    // The list scrolls: the window fits a small screen, and shows 20 rows
    // where there is room (see the end of the constructor).
    fgWave_->setMinimumSize(width + 24, kListMinimumRows * fgWave_->verticalHeader()->defaultSectionSize());
    connect(fgWave_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onCurrentChanged(current); });

    auto* buttons = new QVBoxLayout;
    for (int i = 0; i < 8; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(kWaveCaptions[i]), this);
        button->setObjectName(QStringLiteral("CmdWave%1").arg(i));
        cmdWave_[static_cast<std::size_t>(i)] = button;
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    connect(cmdWave(0), &QPushButton::clicked, this,
            [this] { registerChosen(ChooseWaveFiles(dialogs_, document_.configuration().settings.waveRef)); });
    connect(cmdWave(7), &QPushButton::clicked, this,
            [this] { registerChosen(ChooseWaveFolder(dialogs_, document_.configuration().settings.waveRef)); });
    connect(cmdWave(1), &QPushButton::clicked, this, [this] {
        if (list_.deleteCurrent(dialogs_))
            showList();
    });
    connect(cmdWave(2), &QPushButton::clicked, this, [this] {
        if (list_.deleteAll(dialogs_)) {
            placeCurrent(0, 0);
            showList();
        }
    });
    connect(cmdWave(3), &QPushButton::clicked, this, [this] { play(list_.playCurrent()); });
    connect(cmdWave(4), &QPushButton::clicked, this, [this] { play(list_.playAll()); });
    for (int i : {5, 6}) {
        connect(cmdWave(i), &QPushButton::clicked, this, [this, i] {
            if (i == 5 ? list_.moveUp() : list_.moveDown()) {
                placeCurrent(list_.currentRow(), fgWave_->currentIndex().column());
                showList();
            }
        });
    }

    progress_ = new QProgressBar(this);
    progress_->setObjectName("PrgRegister");
    progress_->setRange(0, 100);
    progress_->hide();
    cmdStopRegistering_ = new QPushButton(QString::fromUtf8("中止"), this);
    cmdStopRegistering_->setObjectName("CmdStopRegister");
    cmdStopRegistering_->hide();
    connect(cmdStopRegistering_, &QPushButton::clicked, this, [this] {
        inspection_->requestStop();
        import_->requestStop();
    });
    import_ = new RegistrationImport(dialogs_, progress_, this);

    lblTime_ = new QLabel(this);
    lblTime_->setObjectName("LblTotalTime");
    lblSize_ = new QLabel(this);
    lblSize_->setObjectName("LblTotalSize");
    auto* totals = new QHBoxLayout;
    totals->addWidget(new QLabel(QString::fromUtf8("積算時間 ："), this));
    totals->addWidget(lblTime_);
    totals->addSpacing(24);
    totals->addWidget(new QLabel(QString::fromUtf8("積算容量 ："), this));
    totals->addWidget(lblSize_);
    totals->addStretch(1);
    totals->addWidget(progress_);
    totals->addWidget(cmdStopRegistering_);

    auto* listArea = new QHBoxLayout;
    listArea->addWidget(fgWave_, 1);
    listArea->addLayout(buttons);
    auto* frame = new QGroupBox(QString::fromUtf8("使用するSoundデータ（WAVEファイル）を登録します"), this);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addLayout(listArea);
    frameLayout->addLayout(totals);

    auto* tools = new QGroupBox(QString::fromUtf8("Wave変換"), this);
    auto* toolsLayout = new QHBoxLayout(tools);
    toolsLayout->addWidget(new QLabel(QString::fromUtf8("ステレオ/モノラル変換、無音データの作成等"), tools));
    cmdTool_ = new QPushButton(QString::fromUtf8("変換ﾂｰﾙ"), tools);
    cmdTool_->setObjectName("CmdTool");
    connect(cmdTool_, &QPushButton::clicked, this, [this] {
        FrmTools window(dialogs_, this);
        window.setImportContext(importSettingsFile_, document_.configuration().settings.waveRef,
                                document_.configuration().settings.stereoAllowed());
        window.exec();
    });
    toolsLayout->addWidget(cmdTool_);

    cmdOk_ = new QPushButton(QString::fromUtf8("OK"), this);
    cmdOk_->setObjectName("CmdOk");
    cmdCancel_ = new QPushButton(QString::fromUtf8("ｷｬﾝｾﾙ"), this);
    cmdCancel_->setObjectName("CmdCancel");
    connect(cmdOk_, &QPushButton::clicked, this, &FrmSound::onOk);
    connect(cmdCancel_, &QPushButton::clicked, this, &FrmSound::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(tools, 1);
    bottom->addWidget(cmdOk_, 0, Qt::AlignBottom);
    bottom->addWidget(cmdCancel_, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(bottom);
}

void FrmSound::showList() {
    model_->refresh();
    lblTime_->setText(QString::fromStdString(list_.timeDisplay()));
    lblSize_->setText(QString::fromStdString(list_.sizeDisplay()));
    for (int i : kRowButtons)
        cmdWave(i)->setEnabled(list_.rowButtonsEnabled() && !registering());
}

void FrmSound::onCurrentChanged(const QModelIndex& current) {
    if (placing_ || !current.isValid())
        return;
    const bool editComment = list_.selectCell(SoundListModel::listRow(current), current.column());
    showList();
    if (editComment)
        QMetaObject::invokeMethod(
            this, [this, current] { fgWave_->edit(current); }, Qt::QueuedConnection);
}

// Moves the view's cursor without it counting as a selection; row 0 is none.
void FrmSound::placeCurrent(int row, int col) {
    placing_ = true;
    if (row < 1)
        fgWave_->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
    else {
        const QModelIndex index = model_->index(row - 1, std::max(col, 0));
        fgWave_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        fgWave_->scrollTo(index);
    }
    placing_ = false;
}

void FrmSound::clearSelection() {
    placeCurrent(0, 0);  // leaving the cell commits an open comment editor
    list_.clearSelection();
    showList();
}

void FrmSound::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The list would take the focus and make row 1 current: the window opens
    // with no row selected, so a button has it.
    cmdWave(0)->setFocus(Qt::OtherFocusReason);
}

// --- Registering ----------------------------------------------------------------

void FrmSound::registerChosen(const std::vector<std::string>& paths) {
    if (paths.empty() || registering())
        return;
    clearSelection();
    Configuration configuration = document_.configuration();
    configuration.settings.waveRef = WaveRefAfter(paths);  // kept in memory; saved with the settings
    document_.setConfiguration(configuration);
    setBusy(true);
    const bool stereo = configuration.settings.stereoAllowed();
    inspection_->start([paths, stereo, this](Progress& progress) {
        inspected_ = import_->inspect(paths, stereo, progress);
    });
}

void FrmSound::onRegistered() {
    if (!registering_)
        return;  // listed already (the window was closed while it ran)
    // Files import can fix are asked about; their conversions keep the
    // window busy, with its bar and stop button, until finishRegistering.
    TakenNames taken;
    for (int row = 1; row <= list_.count(); ++row)
        taken.add(list_.entry(row).fileName);
    if (import_->begin(std::move(inspected_), taken, document_.configuration().settings, importSettingsFile_,
                       !closing_))
        return;
    finishRegistering(import_->checks());
}

void FrmSound::finishRegistering(const ChecksToRegister& checks) {
    setBusy(false);
    const RegistrationResult result = list_.registerChecked(checks.checks, dialogs_, checks.complete);
    if (result.currentRow > 0)
        placeCurrent(result.currentRow, 0);
    showList();
}

void FrmSound::setBusy(bool busy) {
    registering_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
    progress_->setValue(0);
    progress_->setVisible(busy);
    cmdStopRegistering_->setVisible(busy);
    for (int i : {0, 2, 4, 7})
        cmdWave(i)->setEnabled(!busy);
    cmdOk_->setEnabled(!busy);
    fgWave_->setEnabled(!busy);
    showList();
}

void FrmSound::stopRegistering() {
    if (!registering())
        return;
    inspection_->requestStop();
    if (import_->running()) {
        import_->stopAndWait();  // what was converted is listed
        return;
    }
    inspection_->stopAndWait();
    closing_ = true;
    onRegistered();  // what was checked is listed; the window may still stay open
    closing_ = false;
}

void FrmSound::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFiles(event->mimeData()).empty() && !registering())
        event->acceptProposedAction();
}

void FrmSound::dropEvent(QDropEvent* event) {
    const std::vector<std::string> paths = droppedFiles(event->mimeData());
    if (paths.empty())
        return;
    event->acceptProposedAction();
    registerChosen(paths);
}

bool FrmSound::eventFilter(QObject* watched, QEvent* event) {
    // Drops on the list reach the window: the view itself takes none.
    if (watched == fgWave_->viewport()) {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (!droppedFiles(drag->mimeData()).empty() && !registering()) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            dropEvent(static_cast<QDropEvent*>(event));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// --- Playing, OK and closing ------------------------------------------------------

void FrmSound::play(const std::optional<PlayRequest>& request) {
    if (!request)
        return;
    if (!output_) {
        ownOutput_ = std::make_unique<audio::QtAudioOutput>();
        output_ = ownOutput_.get();
    }
    std::vector<SoundEntry> rows;
    for (int r = 1; r <= list_.count(); ++r)
        rows.push_back(list_.entry(r));
    FrmPlay window(std::move(rows), *request, *output_, this);
    window.exec();
}

void FrmSound::onOk() {
    clearSelection();
    if (const CheckResult refusal = list_.checkComments()) {
        ShowRefusal(dialogs_, *refusal);
        const QModelIndex cell = model_->index(refusal->row - 1, refusal->col);
        fgWave_->setCurrentIndex(cell);
        fgWave_->edit(cell);
        return;
    }
    QApplication::setOverrideCursor(Qt::BusyCursor);
    if (list_.tableChanged())
        EditSoundTable(document_, list_.soundTable(), true, measure_);
    QApplication::restoreOverrideCursor();
    QDialog::accept();
}

void FrmSound::reject() {
    stopRegistering();
    if (!list_.confirmDiscard(dialogs_))
        return;
    clearSelection();
    QDialog::reject();
}

}  // namespace vexa::gui
