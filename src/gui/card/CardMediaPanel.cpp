#include "gui/card/CardMediaPanel.h"

#include "core/cardcheck/CardFileSystem.h"
#include "core/cardcheck/RemovableVolumes.h"
#include "core/config/Messages.h"
#include "gui/ui/JobRun.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vexa::gui {
namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

QColor colourOf(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return QColor(0xb0, 0x00, 0x20);
    case Severity::Warning:
        return QColor(0x9a, 0x5b, 0x00);
    case Severity::Note:
        break;
    }
    return QColor(0x30, 0x30, 0x30);
}

constexpr const char* kCleanStyle = "color: green; font-weight: bold;";
constexpr const char* kFaultStyle = "color: #b00020; font-weight: bold;";

}  // namespace

CardMediaPanel::CardMediaPanel(const Document& document, UserDialogs& dialogs, VolumeService* service, QWidget* parent)
    : QGroupBox(QString::fromUtf8("カード"), parent), document_(document), dialogs_(dialogs), service_(service) {
    setObjectName("FraCard");
    buildControls();
    updateControls();
}

CardMediaPanel::~CardMediaPanel() = default;  // run_ waits for a running job

void CardMediaPanel::buildControls() {
    cmbCard_ = new QComboBox(this);
    cmbCard_->setObjectName("CmbCard");
    cmbCard_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbCard_->setMinimumContentsLength(24);
    cmdFind_ = new QPushButton(QString::fromUtf8("再検索"), this);
    cmdFind_->setObjectName("CmdCardFind");
    lblNoCard_ = new QLabel(QString::fromUtf8(kNoRemovableVolume), this);
    lblNoCard_->setObjectName("LblNoCard");
    lblNoCard_->setWordWrap(true);
    cmdWrite_ = new QPushButton(QString::fromUtf8("カードへ書き込み"), this);
    cmdWrite_->setObjectName("CmdCardWrite");
    cmdCheck_ = new QPushButton(QString::fromUtf8("カード確認"), this);
    cmdCheck_->setObjectName("CmdCardCheck");
    cmdEject_ = new QPushButton(QString::fromUtf8("取り外し"), this);
    cmdEject_->setObjectName("CmdEject");
    prgCard_ = new QProgressBar(this);
    prgCard_->setObjectName("PrgCard");
    prgCard_->setRange(0, 100);
    prgCard_->setValue(0);
    cmdStop_ = new QPushButton(QString::fromUtf8("中止"), this);
    cmdStop_->setObjectName("CmdCardStop");
    lblResult_ = new QLabel(this);
    lblResult_->setObjectName("LblCardResult");
    lblResult_->setWordWrap(true);
    lstFindings_ = new QTreeWidget(this);
    lstFindings_->setObjectName("LstFindings");
    lstFindings_->setHeaderLabels({QString::fromUtf8("重要度"), QString::fromUtf8("ファイル"), QString::fromUtf8("内容")});
    lstFindings_->setRootIsDecorated(false);
    lstFindings_->setWordWrap(true);
    lstFindings_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    lstFindings_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    lstFindings_->header()->setStretchLastSection(true);
    lstFindings_->setMinimumHeight(90);
    lstFindings_->setMaximumHeight(140);  // scrolls rather than pushing the window off a small screen

    connect(cmdFind_, &QPushButton::clicked, this, &CardMediaPanel::findCards);
    connect(cmdWrite_, &QPushButton::clicked, this, &CardMediaPanel::writeToCard);
    connect(cmdCheck_, &QPushButton::clicked, this, &CardMediaPanel::checkCard);
    connect(cmdEject_, &QPushButton::clicked, this, &CardMediaPanel::ejectCard);
    connect(cmdStop_, &QPushButton::clicked, this, [this] {
        if (run_)
            run_->requestStop();
    });
    connect(cmbCard_, &QComboBox::currentIndexChanged, this, [this] {
        ejectOffered_ = false;  // offered for the volume that was checked only
        updateControls();
    });

    auto* choice = new QHBoxLayout;
    choice->addWidget(cmbCard_, 1);
    choice->addWidget(cmdFind_);
    auto* actions = new QHBoxLayout;
    actions->addWidget(cmdWrite_);
    actions->addWidget(cmdCheck_);
    actions->addWidget(cmdEject_);
    actions->addWidget(prgCard_, 1);
    actions->addWidget(cmdStop_);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    layout->addLayout(choice);
    layout->addWidget(lblNoCard_);
    layout->addLayout(actions);
    layout->addWidget(lblResult_);
    layout->addWidget(lstFindings_);
}

void CardMediaPanel::showFor(const std::filesystem::path& cardFolder) {
    cardFolder_ = cardFolder;
    show();
    findCards();
}

void CardMediaPanel::findCards() {
    if (running())
        return;
    volumes_ = ListRemovableVolumes(service_);
    cmbCard_->blockSignals(true);
    cmbCard_->clear();
    for (const Volume& volume : volumes_)
        cmbCard_->addItem(qs(VolumeText(volume)));
    cmbCard_->blockSignals(false);
    ejectOffered_ = false;
    updateControls();
}

bool CardMediaPanel::running() const { return run_ != nullptr; }

const Volume* CardMediaPanel::chosenVolume() const {
    const int index = cmbCard_->currentIndex();
    return index >= 0 && index < static_cast<int>(volumes_.size()) ? &volumes_[static_cast<std::size_t>(index)] : nullptr;
}

void CardMediaPanel::updateControls() {
    const bool busy = running();
    const bool card = chosenVolume() != nullptr;
    lblNoCard_->setVisible(volumes_.empty());
    cmbCard_->setEnabled(!busy && card);
    cmdFind_->setEnabled(!busy);
    cmdWrite_->setEnabled(!busy && card && !cardFolder_.empty());
    cmdCheck_->setEnabled(!busy && card);
    cmdEject_->setEnabled(!busy && card && ejectOffered_);
    cmdStop_->setEnabled(busy);
}

void CardMediaPanel::writeToCard() {
    const Volume* volume = chosenVolume();
    if (!volume || running())
        return;
    CardSetWriteJob write{cardFolder_, volume->mountPoints.front(), document_.project(), document_.configuration().settings};
    VolumeService* service = service_;
    startJob([write, service](Outcome& outcome, Progress& progress) {
        progress.setCaption("カードへ書き込んでいます");
        outcome.write = WriteCardSet(write, progress);
        if (!outcome.write->written())
            return;
        CardVerifyRequest request;
        request.folder = write.card;
        request.project = write.project;
        request.settings = write.settings;
        progress.setCaption("カードを確認しています");
        outcome.check = VerifyCardFolder(request, service, progress);
    });
}

void CardMediaPanel::checkCard() {
    const Volume* volume = chosenVolume();
    if (!volume || running())
        return;
    CardVerifyRequest request;
    request.folder = volume->mountPoints.front();
    request.project = document_.project();
    request.settings = document_.configuration().settings;
    VolumeService* service = service_;
    startJob([request, service](Outcome& outcome, Progress& progress) {
        progress.setCaption("カードを確認しています");
        outcome.check = VerifyCardFolder(request, service, progress);
    });
}

void CardMediaPanel::ejectCard() {
    const Volume* volume = chosenVolume();
    if (!volume || running() || !ejectOffered_)
        return;
    const Volume card = *volume;
    VolumeService* service = service_;
    startJob([card, service](Outcome& outcome, Progress& progress) {
        progress.setCaption("カードを取り外しています");
        outcome.eject = EjectCard(card, service);
    });
}

void CardMediaPanel::startJob(const std::function<void(Outcome&, Progress&)>& work) {
    jobVolume_ = *chosenVolume();
    ejectOffered_ = false;
    lblResult_->clear();
    lblResult_->setStyleSheet({});
    lstFindings_->clear();
    prgCard_->setValue(0);
    outcome_ = std::make_shared<Outcome>();
    std::shared_ptr<Outcome> outcome = outcome_;
    run_ = std::make_unique<JobRun>();
    connect(run_.get(), &JobRun::valueChanged, prgCard_, &QProgressBar::setValue);
    connect(run_.get(), &JobRun::captionChanged, lblResult_, &QLabel::setText);
    connect(run_.get(), &JobRun::finished, this, &CardMediaPanel::onJobFinished);
    updateControls();
    run_->start([work, outcome](Progress& progress) { work(*outcome, progress); });
}

void CardMediaPanel::onJobFinished() {
    run_.reset();
    const std::shared_ptr<Outcome> outcome = std::move(outcome_);
    prgCard_->setValue(100);
    if (outcome->write && !outcome->write->written()) {
        const bool stopped = outcome->write->outcome == CardSetWriteResult::Outcome::Stopped;
        lblResult_->setText(QString::fromUtf8(stopped ? "書き込みを中止しました。カードの内容は元のままです。"
                                                      : "書き込めませんでした。カードの内容は元のままです。"));
        lblResult_->setStyleSheet(kFaultStyle);
        if (!stopped)
            dialogs_.showMessage({outcome->write->problem, GetMsg(msg::kTitleError), MessageIcon::Error, MessageButtons::Ok});
    }
    if (outcome->check)
        showFindings(*outcome->check);
    if (outcome->eject) {
        lblResult_->setText(qs(outcome->eject->text));
        lblResult_->setStyleSheet(outcome->eject->ok ? kCleanStyle : kFaultStyle);
        dialogs_.showMessage({outcome->eject->text, GetMsg(outcome->eject->ok ? msg::kTitleConfirm : msg::kTitleError),
                              outcome->eject->ok ? MessageIcon::Information : MessageIcon::Error, MessageButtons::Ok});
        if (outcome->eject->powered)
            findCards();  // the card has gone
    }
    updateControls();
    emit jobEnded();
}

void CardMediaPanel::showFindings(const CardVerification& check) {
    for (const CardFinding& finding : OrderedBySeverity(check.findings)) {
        auto* item = new QTreeWidgetItem(lstFindings_, {QString::fromUtf8(SeverityText(finding.severity)), qs(finding.file),
                                                        qs(finding.text)});
        for (int column = 0; column < 3; ++column)
            item->setForeground(column, colourOf(finding.severity));
        item->setToolTip(2, qs(finding.text));
    }
    const std::string folder = jobVolume_.mountPoints.front();
    const CardCheckSummary summary = SummariseCheck(check.findings, check.stopped, folder);
    lblResult_->setText(qs(summary.text));
    lblResult_->setStyleSheet(summary.clean ? kCleanStyle : kFaultStyle);
    ejectOffered_ = CanEjectAfterCheck(jobVolume_, folder, check.findings, check.stopped);
}

}  // namespace vexa::gui
