#include "printlayout/PageMetrics.h"

#include <QPaintDevice>
#include <QTextLayout>

#include <algorithm>
#include <numeric>

namespace vexa::printlayout {

PageMetrics::PageMetrics(const QPaintDevice& device)
    : device_(&device),
      dpi_(device.logicalDpiY()),
      width_(device.width()),
      height_(device.height()),
      fonts_(ReportFonts::make()),
      titleSpacing_(QFontMetricsF(fonts_.title, &device).lineSpacing()),
      headerSpacing_(QFontMetricsF(fonts_.header, &device).lineSpacing()),
      headingSpacing_(QFontMetricsF(fonts_.heading, &device).lineSpacing()),
      textSpacing_(QFontMetricsF(fonts_.text, &device).lineSpacing()),
      tableSpacing_(QFontMetricsF(fonts_.table, &device).lineSpacing()),
      footerSpacing_(QFontMetricsF(fonts_.footer, &device).lineSpacing()) {}

qreal PageMetrics::titleLine() const { return titleSpacing_ * 1.2; }
qreal PageMetrics::headerLine() const { return headerSpacing_ * 1.3; }

qreal PageMetrics::bodyTop(const print::Report& report) const {
    qreal top = titleLine();
    if (report.header.folder)
        top += headerLine();
    return top + mm(4);  // the rule under the header and a gap
}

qreal PageMetrics::footerTop() const { return height_ - footerSpacing_ * 1.2; }

qreal PageMetrics::bodyBottom(const print::Report& report) const {
    return report.pageNumbers ? footerTop() - mm(2) : height_;
}

qreal PageMetrics::headingHeight() const { return headingSpacing_ * 1.3 + mm(2); }
qreal PageMetrics::lineHeight() const { return textSpacing_ * 1.5; }
qreal PageMetrics::fieldHeight() const { return textSpacing_ * 1.6; }

QStringList PageMetrics::fieldValueLines(const print::Field& field) const {
    const QString text = QString::fromStdString(field.value);
    const qreal room = width_ - labelWidth() - 2 * textPadding();
    QStringList lines;
    if (text.isEmpty() || room <= 0)
        return lines << text;
    QTextLayout layout(text, fonts_.text, const_cast<QPaintDevice*>(device_));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room);
        lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

qreal PageMetrics::fieldHeight(const print::Field& field) const {
    return fieldHeight() + (fieldValueLines(field).size() - 1) * fieldLineStep();
}
qreal PageMetrics::tableRowHeight() const { return tableSpacing_ * 1.35; }

qreal PageMetrics::tableHeadHeight(const print::Table& table) const {
    const bool grouped = std::any_of(table.columns.begin(), table.columns.end(),
                                     [](const print::Column& c) { return !c.group.empty(); });
    return tableSpacing_ * 1.5 * (grouped ? 2 : 1);
}

qreal PageMetrics::cellWidth(const print::Table& table) const {
    const int cells = std::accumulate(table.columns.begin(), table.columns.end(), 0,
                                      [](int sum, const print::Column& c) { return sum + c.width; });
    return width_ / std::max(cells, 100);
}

}  // namespace vexa::printlayout
