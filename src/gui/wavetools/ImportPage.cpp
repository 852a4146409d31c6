#include "gui/wavetools/ImportPage.h"

#include "audioimport/AudioLibraries.h"
#include "core/import/ImportSettings.h"
#include "core/import/ImportTab.h"
#include "core/wavetools/JobMessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vexa::gui {
namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

QPushButton* button(const char* caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

constexpr const char* kExecCaption = "取り込み実行";
constexpr const char* kStopCaption = "取り込み停止";
constexpr int kBitsChoices[] = {16, 8};

}  // namespace

ImportPage::ImportPage(UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), backend_(std::make_shared<AudioLibraries>()) {
    setObjectName("ImportPage");
    buildControls();
    showSettings({});
    setRunning(false);
}

ImportPage::~ImportPage() {
    if (!run_)
        return;
    delete run_;  // asks the job to stop and waits, before the bar it reports to goes
    QApplication::restoreOverrideCursor();
}

void ImportPage::buildControls() {
    auto* sourceFrame = new QGroupBox(QString::fromUtf8("取り込むファイル（WAV・AIFF・FLAC・MP3・Ogg・Opus・M4A）"), this);
    lstSources_ = new QListWidget(sourceFrame);
    lstSources_->setObjectName(import_field::kSources);
    lstSources_->setMinimumHeight(80);
    cmdAddFiles_ = button("ファイル追加...", "CmdImportFiles", sourceFrame);
    cmdAddFolder_ = button("フォルダ追加...", "CmdImportFolder", sourceFrame);
    cmdClear_ = button("クリア", "CmdImportClear", sourceFrame);
    connect(cmdAddFiles_, &QPushButton::clicked, this, [this] {
        addSources(dialogs_.chooseFiles(ImportFilesRequest(defaultFolder_)));
    });
    connect(cmdAddFolder_, &QPushButton::clicked, this, [this] {
        const std::string folder = dialogs_.chooseFolder(defaultFolder_);
        if (!folder.empty())
            addSources(ImportFolderSources(folder, dialogs_));
    });
    connect(cmdClear_, &QPushButton::clicked, lstSources_, &QListWidget::clear);
    auto* sourceButtons = new QVBoxLayout;
    sourceButtons->addWidget(cmdAddFiles_);
    sourceButtons->addWidget(cmdAddFolder_);
    sourceButtons->addWidget(cmdClear_);
    sourceButtons->addStretch(1);
    auto* sourceRow = new QHBoxLayout(sourceFrame);
    sourceRow->addWidget(lstSources_, 1);
    sourceRow->addLayout(sourceButtons);

    auto* settingsFrame = new QGroupBox(QString::fromUtf8("出力フォルダと形式"), this);
    txtFolder_ = new QLineEdit(settingsFrame);
    txtFolder_->setObjectName(import_field::kFolder);
    cmdFolder_ = button("...", "CmdImportOutput", settingsFrame);
    connect(cmdFolder_, &QPushButton::clicked, this, [this] {
        const std::string folder = dialogs_.chooseFolder(txtFolder_->text().toStdString());
        if (!folder.empty())
            txtFolder_->setText(qs(folder));
    });
    cmbRate_ = new QComboBox(settingsFrame);
    cmbRate_->setObjectName(import_field::kRate);
    for (const ImportRateChoice& choice : ImportRateChoices())
        cmbRate_->addItem(qs(choice.text));
    cmbBits_ = new QComboBox(settingsFrame);
    cmbBits_->setObjectName(import_field::kBits);
    for (const int bits : kBitsChoices)
        cmbBits_->addItem(QStringLiteral("%1Bit").arg(bits));
    chkStereo_ = new QCheckBox(QString::fromUtf8("ステレオのまま（補助機能2）"), settingsFrame);
    chkStereo_->setObjectName(import_field::kStereo);
    chkLoudness_ = new QCheckBox(QString::fromUtf8("音量を揃える"), settingsFrame);
    chkLoudness_->setObjectName("ChkImportLoudness");
    spnTarget_ = new QDoubleSpinBox(settingsFrame);
    spnTarget_->setObjectName(import_field::kLoudness);
    spnTarget_->setRange(kMinLoudnessTarget, kMaxLoudnessTarget);
    spnTarget_->setDecimals(1);
    spnTarget_->setSingleStep(0.5);
    spnTarget_->setSuffix(" LUFS");
    spnPeak_ = new QDoubleSpinBox(settingsFrame);
    spnPeak_->setObjectName(import_field::kPeak);
    spnPeak_->setRange(kMinPeakCeiling, kMaxPeakCeiling);
    spnPeak_->setDecimals(1);
    spnPeak_->setSingleStep(0.5);
    spnPeak_->setSuffix(" dBTP");
    connect(chkLoudness_, &QCheckBox::toggled, this, [this](bool on) {
        spnTarget_->setEnabled(on && !running());
        spnPeak_->setEnabled(on && !running());
    });
    chkTrim_ = new QCheckBox(QString::fromUtf8("前後の無音を切り詰める（−50 dBFS 未満、50 ms 残す）"), settingsFrame);
    chkTrim_->setObjectName("ChkImportTrim");

    auto* grid = new QGridLayout(settingsFrame);
    grid->addWidget(new QLabel(QString::fromUtf8("出力フォルダ"), settingsFrame), 0, 0);
    grid->addWidget(txtFolder_, 0, 1, 1, 3);
    grid->addWidget(cmdFolder_, 0, 4);
    grid->addWidget(new QLabel(QString::fromUtf8("形式"), settingsFrame), 1, 0);
    grid->addWidget(cmbRate_, 1, 1);
    grid->addWidget(cmbBits_, 1, 2);
    grid->addWidget(chkStereo_, 1, 3, 1, 2);
    grid->addWidget(chkLoudness_, 2, 0);
    grid->addWidget(new QLabel(QString::fromUtf8("目標"), settingsFrame), 2, 1, Qt::AlignRight);
    grid->addWidget(spnTarget_, 2, 2);
    grid->addWidget(new QLabel(QString::fromUtf8("ピーク上限"), settingsFrame), 2, 3, Qt::AlignRight);
    grid->addWidget(spnPeak_, 2, 4);
    grid->addWidget(chkTrim_, 3, 0, 1, 5);
    grid->setColumnStretch(1, 1);

    fraProgress_ = new QGroupBox(this);
    fraProgress_->setObjectName("FraImportProgress");
    prgImport_ = new QProgressBar(fraProgress_);
    prgImport_->setObjectName("PrgImport");
    prgImport_->setRange(0, 100);
    prgImport_->setValue(0);
    prgImport_->setTextVisible(false);
    (new QVBoxLayout(fraProgress_))->addWidget(prgImport_);

    cmdExec_ = button(kExecCaption, "CmdImportExec", this);
    connect(cmdExec_, &QPushButton::clicked, this, &ImportPage::onExec);
    auto* execRow = new QHBoxLayout;
    execRow->addStretch(1);
    execRow->addWidget(cmdExec_);

    tblResults_ = new QTableWidget(0, 5, this);
    tblResults_->setObjectName("TblImportResults");
    tblResults_->setHorizontalHeaderLabels({QString::fromUtf8("名前"), QString::fromUtf8("秒"),
                                            QString::fromUtf8("音量（前 → 後）"), QString::fromUtf8("ピーク"),
                                            QString::fromUtf8("注記")});
    tblResults_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblResults_->verticalHeader()->hide();
    tblResults_->horizontalHeader()->setStretchLastSection(true);
    tblResults_->setMinimumHeight(100);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromUtf8("どの形式の音声も、カードで使える WAVE に変換し、音量を揃えて名前を付けます。"), this));
    layout->addWidget(sourceFrame, 1);
    layout->addWidget(settingsFrame);
    layout->addWidget(fraProgress_);
    layout->addLayout(execRow);
    layout->addWidget(tblResults_, 1);
}

void ImportPage::setContext(const std::filesystem::path& configurationFile, const std::string& waveRef,
                            bool stereoAllowed) {
    configurationFile_ = configurationFile;
    stereoAllowed_ = stereoAllowed;
    const ImportSettings settings = configurationFile.empty() ? ImportSettings{} : ReadImportSettings(configurationFile);
    defaultFolder_ = ImportFolderFor(ImportSettings{}, waveRef);
    showSettings(settings);
    txtFolder_->setText(qs(ImportFolderFor(settings, waveRef)));
}

void ImportPage::showSettings(const ImportSettings& settings) {
    const ImportOptions& o = settings.options;
    const auto choices = ImportRateChoices();
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].rate == o.rate)
            cmbRate_->setCurrentIndex(static_cast<int>(i));
    cmbBits_->setCurrentIndex(o.bits == 8 ? 1 : 0);
    chkStereo_->setChecked(o.stereo && stereoAllowed_);
    chkLoudness_->setChecked(o.loudnessTarget.has_value());
    spnTarget_->setValue(o.loudnessTarget.value_or(kDefaultLoudnessTarget));
    spnPeak_->setValue(o.peakCeiling);
    chkTrim_->setChecked(o.trim);
    setRunning(running());
}

ImportOptions ImportPage::options() const {
    ImportOptions o;
    o.rate = ImportRateChoices()[static_cast<std::size_t>(std::max(cmbRate_->currentIndex(), 0))].rate;
    o.bits = kBitsChoices[cmbBits_->currentIndex() == 1 ? 1 : 0];
    o.stereoAllowed = stereoAllowed_;
    o.stereo = chkStereo_->isChecked() && stereoAllowed_;
    if (chkLoudness_->isChecked())
        o.loudnessTarget = spnTarget_->value();
    else
        o.loudnessTarget.reset();
    o.peakCeiling = spnPeak_->value();
    o.trim = chkTrim_->isChecked();
    return o;
}

void ImportPage::addSources(const std::vector<std::string>& paths) {
    for (const auto& path : paths)
        lstSources_->addItem(qs(path));
}

// --- The job ------------------------------------------------------------------------

void ImportPage::onExec() {
    if (running())
        askStop(false);
    else
        start();
}

void ImportPage::start() {
    std::vector<std::string> sources;
    for (int i = 0; i < lstSources_->count(); ++i)
        sources.push_back(lstSources_->item(i)->text().toStdString());
    const std::string folder = txtFolder_->text().trimmed().toStdString();
    const ImportOptions chosen = options();
    const ToolsValidation checked = ValidateImport(sources, folder, chosen, dialogs_);
    if (!checked.passed) {
        focusField(checked.focus);
        return;
    }
    if (!configurationFile_.empty()) {
        // The folder is kept only when it is not the default beside WaveRef,
        // which follows WaveRef.
        ImportSettings settings{folder == defaultFolder_ ? std::string() : folder, chosen};
        settings.options.stereoAllowed = false;
        WriteImportSettings(configurationFile_, settings);
    }
    TakenNames taken;
    taken.addFolder(folder);
    const std::vector<ImportItem> items = PlanImportNames(sources, taken);

    tblResults_->setRowCount(0);
    prgImport_->setValue(0);
    batch_ = std::make_shared<ImportBatchResult>();
    stopAsked_ = false;
    run_ = new JobRun(this);
    connect(run_, &JobRun::valueChanged, prgImport_, &QProgressBar::setValue);
    connect(run_, &JobRun::captionChanged, fraProgress_, &QGroupBox::setTitle);
    connect(run_, &JobRun::finished, this, &ImportPage::onJobFinished);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    setRunning(true);
    run_->start([items, folder, chosen, backend = backend_, batch = batch_, beforeJob = beforeJob_](Progress& progress) {
        if (beforeJob)
            beforeJob();
        *batch = RunImportBatch(items, folder, chosen, *backend, progress);
    });
}

void ImportPage::onJobFinished() {
    if (asking_) {  // handled once the question is answered
        finishPending_ = true;
        return;
    }
    run_->deleteLater();  // it is the sender of this call
    run_ = nullptr;
    last_ = *batch_;
    QApplication::restoreOverrideCursor();
    tblResults_->setRowCount(static_cast<int>(last_.results.size()));
    for (int r = 0; r < tblResults_->rowCount(); ++r) {
        const ImportResultRow row = ResultRow(last_.results[static_cast<std::size_t>(r)]);
        const std::string cells[] = {row.name, row.seconds, row.loudness, row.peak, row.note};
        for (int c = 0; c < 5; ++c)
            tblResults_->setItem(r, c, new QTableWidgetItem(qs(cells[c])));
    }
    tblResults_->resizeColumnsToContents();
    if (!last_.stopped)
        prgImport_->setValue(prgImport_->maximum());
    ShowImportEnd(last_, stopAsked_, closing_, dialogs_);
    setRunning(false);
    emit jobEnded();
    if (closing_) {
        closing_ = false;
        emit closeAfterJob();
    }
}

void ImportPage::askStop(bool thenClose) {
    if (!running() || (closing_ && thenClose))
        return;
    asking_ = true;
    const bool stop = ConfirmStop(dialogs_);
    asking_ = false;
    if (stop) {
        stopAsked_ = true;
        closing_ = closing_ || thenClose;
        if (run_)
            run_->requestStop();
    }
    if (finishPending_) {
        finishPending_ = false;
        onJobFinished();
    }
}

void ImportPage::setRunning(bool running) {
    for (QWidget* control : std::initializer_list<QWidget*>{lstSources_, cmdAddFiles_, cmdAddFolder_, cmdClear_,
                                                            txtFolder_, cmdFolder_, cmbRate_, cmbBits_,
                                                            chkLoudness_, chkTrim_})
        control->setEnabled(!running);
    chkStereo_->setEnabled(!running && stereoAllowed_);
    spnTarget_->setEnabled(!running && chkLoudness_->isChecked());
    spnPeak_->setEnabled(!running && chkLoudness_->isChecked());
    cmdExec_->setText(QString::fromUtf8(running ? kStopCaption : kExecCaption));
    emit runningChanged(running);
}

void ImportPage::focusField(const std::string& field) {
    auto* target = field.empty() ? nullptr : findChild<QWidget*>(qs(field));
    if (!target)
        return;
    target->setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<QLineEdit*>(target))
        box->selectAll();
}

}  // namespace vexa::gui
