#include "gui/card/FrmChkMsg.h"

#include "core/config/Messages.h"
#include "gui/ui/WorkAreaFit.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vexa::gui {

FrmChkMsg::FrmChkMsg(const std::string& errorList, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
    setObjectName("FrmChkMsg");
    setWindowTitle(QString::fromUtf8("エラーリスト"));
    txtDisp_ = new QPlainTextEdit(this);
    txtDisp_->setObjectName("TxtDisp");
    txtDisp_->setReadOnly(true);
    txtDisp_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDisp_->setPlainText(QString::fromStdString(errorList));
    txtDisp_->setMinimumSize(640, 320);
    cmdClose_ = new QPushButton(QString::fromUtf8("閉じる(&C)"), this);
    cmdClose_->setObjectName("CmdClose");
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtDisp_);
    layout->addLayout(buttons);
    KeepInWorkArea(this);
}

void FrmChkMsg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (told_)
        return;
    told_ = true;
    // Once the list is on the screen, the notice goes on top of it.
    QTimer::singleShot(0, this, [this] {
        dialogs_.showMessage({GetMsg(msg::kInputErrors), GetMsg(msg::kTitleConfirm), MessageIcon::Warning,
                              MessageButtons::Ok});
    });
}

}  // namespace vexa::gui
