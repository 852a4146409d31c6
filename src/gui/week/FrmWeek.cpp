#include "gui/week/FrmWeek.h"

#include "gui/ui/WorkAreaFit.h"
#include "gui/week/WeekChart.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa::gui {

FrmWeek::FrmWeek(Document& document, int month, QWidget* owner) : QDialog(owner), document_(document) {
    setObjectName("FrmWeek");
    setWindowTitle(QStringLiteral("週間表示"));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("表示する月："), this));
    months_ = new QComboBox(this);
    months_->setObjectName("CmbMonth");
    for (int m = kAllYear; m <= 12; ++m)
        months_->addItem(QString::fromStdString(MonthName(m)), m);
    top->addWidget(months_);
    top->addStretch();
    layout->addLayout(top);

    notice_ = new QLabel(
        QStringLiteral("週間表示はマルチシートモードで使えます（シングルシートモードのシートには時間帯がありません）。"), this);
    notice_->setObjectName("LblNotice");
    notice_->setWordWrap(true);
    layout->addWidget(notice_);

    chart_ = new WeekChart(this);
    layout->addWidget(chart_, 1);

    legend_ = new QLabel(this);
    legend_->setObjectName("LblLegend");
    legend_->setWordWrap(true);
    legend_->setTextFormat(Qt::RichText);
    layout->addWidget(legend_);

    layout->addWidget(new QLabel(QStringLiteral("確認事項"), this));
    findings_ = new QListWidget(this);
    findings_->setObjectName("LstFindings");
    findings_->setMinimumHeight(90);
    layout->addWidget(findings_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる(&C)"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);

    setMonth(month);
    connect(months_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(chart_, &WeekChart::sheetClicked, this, &FrmWeek::sheetChosen);
    // Every edit, undo, redo and load shows at once.
    subscription_ = document_.subscribe([this](const DocumentChange&) { refresh(); });
    resize(960, 620);
    KeepInWorkArea(this);
    refresh();
}

FrmWeek::~FrmWeek() { document_.unsubscribe(subscription_); }

int FrmWeek::month() const { return months_->currentData().toInt(); }

void FrmWeek::setMonth(int month) { months_->setCurrentIndex(months_->findData(month)); }

void FrmWeek::refresh() {
    const WeekPlan plan = BuildWeekPlan(document_.project(), document_.configuration().settings, month());
    chart_->setPlan(plan);
    notice_->setVisible(!plan.multiSheet);
    chart_->setVisible(plan.multiSheet);

    QString legend;
    for (const WeekSheet& sheet : plan.sheets) {
        const QString color = sheet.volume == 0 ? QStringLiteral("#bebebe") : SheetColor(sheet.sheet).name();
        legend += QStringLiteral("<span style='background:%1'>&nbsp;&nbsp;&nbsp;</span> %2%3　")
                      .arg(color, QString::fromStdString(SheetLabel(plan, sheet.sheet)).toHtmlEscaped(),
                           sheet.volume == 0 ? QStringLiteral("（放送停止）") : QString());
    }
    legend_->setText(legend + QStringLiteral("<span style='color:#dc0000'>／／／</span> 重なり　破線 要確認"));

    findings_->clear();
    for (const WeekFinding& finding : plan.findings)
        findings_->addItem(QString::fromStdString((finding.needsCheck ? "要確認：" : "") + finding.text));
    if (plan.multiSheet && plan.findings.empty())
        findings_->addItem(QStringLiteral("確認事項はありません。"));
}

}  // namespace vexa::gui
