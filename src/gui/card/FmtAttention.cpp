#include "gui/card/FmtAttention.h"

#include "core/config/Messages.h"
#include "gui/ui/WorkAreaFit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace vexa::gui {
namespace {

QString sentencePerLine(QString text) {
    const QString stop = QString::fromUtf8("。");
    for (qsizetype at = text.indexOf(stop); at >= 0 && at + 1 < text.size(); at = text.indexOf(stop, at + 2))
        text.insert(at + 1, u'\n');
    return text;
}

}  // namespace

FmtAttention::FmtAttention(QWidget* parent) : QDialog(parent) {
    setObjectName("FmtAttention");
    setWindowTitle(QString::fromStdString(GetMsg(msg::kCardFormatTitle)));
    auto* image1 = new QLabel(this);
    image1->setObjectName("Image1");
    image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    lblInfo1_ = new QLabel(QString::fromStdString(GetMsg(msg::kCardFormatNote1)), this);
    lblInfo1_->setObjectName("LblInfo1");
    // A line per sentence: wrapped at the window's width, the notice left
    // its last characters alone on a line.
    lblInfo2_ = new QLabel(sentencePerLine(QString::fromStdString(GetMsg(msg::kCardFormatNote2))), this);
    lblInfo2_->setObjectName("LblInfo2");
    okButton_ = new QPushButton("OK", this);
    okButton_->setObjectName("OKButton");
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QGridLayout(this);
    layout->addWidget(image1, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(lblInfo1_, 0, 1);
    layout->addWidget(lblInfo2_, 1, 1);
    layout->addWidget(okButton_, 2, 1, Qt::AlignRight);
    KeepInWorkArea(this);
}

}  // namespace vexa::gui
