#include "gui/sound/FrmPlay.h"

#include "core/config/Messages.h"
#include "gui/ui/WorkAreaFit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vexa::gui {
namespace {

QLabel* valueLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setMinimumWidth(220);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

FrmPlay::FrmPlay(std::vector<SoundEntry> rows, PlayRequest request, AudioOutput& output, QWidget* parent)
    : QDialog(parent), session_(std::move(rows), request, output) {
    setObjectName("FrmPlay");
    setWindowTitle(QString::fromStdString(GetMsg(msg::kPlayCaption)));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setModal(true);
    KeepInWorkArea(this);

    lblName_ = valueLabel("LblName", this);
    lblTime_ = valueLabel("LblTime", this);
    lblByte_ = valueLabel("LblByte", this);
    lblAudio_ = valueLabel("LblAudio", this);
    lblFault_ = new QLabel(this);
    lblFault_->setObjectName("LblFault");
    lblFault_->setWordWrap(true);
    lblFault_->setStyleSheet("color: #b00000;");
    lblFault_->hide();
    cmdStop_ = new QPushButton(QString::fromUtf8("停止"), this);
    cmdStop_->setObjectName("CmdStop");
    connect(cmdStop_, &QPushButton::clicked, this, &QDialog::reject);

    tmrPlay_ = new QTimer(this);
    tmrPlay_->setObjectName("TmrPlay");
    tmrPlay_->setInterval(kPlayPollMilliseconds);
    connect(tmrPlay_, &QTimer::timeout, this, &FrmPlay::onTick);

    auto* grid = new QGridLayout;
    const char* titles[] = {"Sound", "再生時間", "データサイズ", "オーディオ形式"};
    QLabel* values[] = {lblName_, lblTime_, lblByte_, lblAudio_};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(new QLabel(QString::fromUtf8(titles[i]), this), i, 0);
        grid->addWidget(values[i], i, 1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(lblFault_);
    layout->addWidget(cmdStop_, 0, Qt::AlignCenter);
}

FrmPlay::~FrmPlay() { session_.close(); }

void FrmPlay::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_)
        return;
    started_ = true;
    session_.start();
    follow();
}

void FrmPlay::onTick() {
    session_.tick();
    follow();
}

void FrmPlay::follow() {
    const PlayInfo& info = session_.info();
    lblName_->setText(QString::fromStdString(info.name));
    lblTime_->setText(QString::fromStdString(info.time));
    lblByte_->setText(QString::fromStdString(info.bytes));
    lblAudio_->setText(QString::fromStdString(info.audio));
    const bool fault = !session_.fault().empty();
    lblFault_->setText(fault ? QString::fromUtf8("この音声は再生できません。") + QString::fromStdString(session_.fault())
                             : QString());
    lblFault_->setVisible(fault);
    if (session_.timerOn() && !tmrPlay_->isActive())
        tmrPlay_->start();
    else if (!session_.timerOn())
        tmrPlay_->stop();
    if (session_.finished())
        QTimer::singleShot(0, this, &QDialog::accept);
}

void FrmPlay::done(int result) {
    session_.close();  // the sound stops at once
    tmrPlay_->stop();
    QDialog::done(result);
}

}  // namespace vexa::gui
