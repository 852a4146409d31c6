#include "gui/editor/FrmCopy.h"
#include "gui/ui/WorkAreaFit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace vexa::gui {

FrmCopy::FrmCopy(Document& document, int currentSheet, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), document_(document), dialogs_(dialogs), duplication_(currentSheet) {
    setObjectName("FrmCopy");
    setWindowTitle(QString::fromUtf8("シート複製"));
    setModal(true);

    combo1_ = new QComboBox(this);
    combo1_->setObjectName("Combo1");
    for (const auto& caption : SheetDuplication::SheetCaptions())
        combo1_->addItem(QString::fromStdString(caption));
    combo1_->setCurrentText(QString::fromStdString(duplication_.source()));
    connect(combo1_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        duplication_.chooseSource(text.toStdString());
        listDestinations();
    });

    list1_ = new QListWidget(this);
    list1_->setObjectName("List1");
    list1_->setSelectionMode(QAbstractItemView::MultiSelection);

    command1_ = new QPushButton(QString::fromUtf8("OK"), this);
    command1_->setObjectName("Command1");
    command1_->setDefault(true);
    command2_ = new QPushButton(QString::fromUtf8("ｷｬﾝｾﾙ"), this);
    command2_->setObjectName("Command2");
    connect(command1_, &QPushButton::clicked, this, &FrmCopy::onOk);
    connect(command2_, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QString::fromUtf8("複製元シート"), this), 0, 0);
    grid->addWidget(combo1_, 1, 0, Qt::AlignTop);
    grid->addWidget(new QLabel(QString::fromUtf8("複製先シート"), this), 0, 1);
    grid->addWidget(list1_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    listDestinations();
    KeepInWorkArea(this);
}

void FrmCopy::listDestinations() {
    list1_->clear();
    for (const auto& caption : duplication_.destinations())
        list1_->addItem(QString::fromStdString(caption));
}

void FrmCopy::onOk() {
    std::vector<std::string> selected;
    for (int i = 0; i < list1_->count(); ++i)
        if (list1_->item(i)->isSelected())
            selected.push_back(list1_->item(i)->text().toStdString());
    copied_ = Passed(dialogs_, duplication_.copy(document_, selected));
    if (copied_)
        accept();
}

}  // namespace vexa::gui
