#include "gui/card/FrmProgress.h"

#include "core/config/Messages.h"
#include "gui/ui/WorkAreaFit.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace vexa::gui {

FrmProgress::FrmProgress(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmProgress");
    setWindowTitle(QString::fromStdString(GetMsg(msg::kCardProgressTitle)));
    // No close box: only creation ends the window.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    prgBar_ = new QProgressBar(this);
    prgBar_->setObjectName("PrgBar");
    prgBar_->setRange(0, 100);
    prgBar_->setValue(0);
    lblProgress_ = new QLabel(this);
    lblProgress_->setObjectName("LblProgress");
    lblProgress_->setMinimumWidth(360);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblProgress_);
    layout->addWidget(prgBar_);
    KeepInWorkArea(this);
}

void FrmProgress::setValue(int percent) { prgBar_->setValue(percent); }

void FrmProgress::setCaption(const QString& text) { lblProgress_->setText(text); }

void FrmProgress::finish() {
    finished_ = true;
    close();
}

void FrmProgress::reject() {
    if (finished_)
        QDialog::reject();
}

void FrmProgress::closeEvent(QCloseEvent* event) {
    if (finished_)
        event->accept();
    else
        event->ignore();
}

}  // namespace vexa::gui
