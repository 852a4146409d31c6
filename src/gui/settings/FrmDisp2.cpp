#include "gui/settings/FrmDisp2.h"

#include "core/app/ReleaseNotes.h"
#include "core/config/Messages.h"
#include "gui/ui/WorkAreaFit.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa::gui {

FrmDisp2::FrmDisp2(const std::filesystem::path& releaseNotes, QWidget* parent) : QDialog(parent) {
    setObjectName("FrmDisp2");
    setWindowTitle(QString::fromStdString(GetMsg(msg::kReleaseNotesTitle)));
    txtDisp_ = new QPlainTextEdit(this);
    txtDisp_->setObjectName("TxtDisp");
    txtDisp_->setReadOnly(true);
    txtDisp_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDisp_->setPlainText(QString::fromStdString(ReleaseNotesText(releaseNotes)));
    txtDisp_->setMinimumSize(480, 320);
    cmdOk_ = new QPushButton("OK", this);
    cmdOk_->setObjectName("CmdOk");
    connect(cmdOk_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtDisp_);
    layout->addLayout(buttons);
    KeepInWorkArea(this);
}

}  // namespace vexa::gui
