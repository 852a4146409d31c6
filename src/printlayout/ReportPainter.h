#pragma once
// Draws one laid-out page of a report: the page header, the items the
// pagination put on it and the footer.
#include "printlayout/PageMetrics.h"
#include "printlayout/Pagination.h"
#include "core/print/Report.h"

#include <QFontMetricsF>
#include <QString>

#include <cstddef>
#include <string>

class QPainter;

namespace vexa::printlayout {

// No box on a page holds more than a few hundred characters, so a text is cut
// to its first kMostShownBytes (on a character boundary, marked with "…")
// before Qt measures it: laying out a whole comment of 40 MB would take
// gigabytes for a box that shows a line of it.
inline constexpr std::size_t kMostShownBytes = 1024;
QString ShownText(const std::string& text);

class ReportPainter {
public:
    ReportPainter(QPainter& painter, const PageMetrics& metrics);

    void paint(const print::Report& report, const LaidOutPage& page);

private:
    void header(const print::PageHeader& header);
    void footer(const LaidOutPage& page);
    void item(const print::Report& report, const PageItem& item);
    void tableHead(const print::Table& table, qreal top);
    void tableRow(const print::Table& table, const print::Row& row, qreal top, bool totals);
    void tableRules(const print::Table& table, qreal top, qreal bottom);
    void checks(const print::CheckRow& row, qreal top);
    // `text` in the box from `left` of `width`, on the line starting at `top`
    // of `height`, in the painter's font, or smaller when it is wider: never cut.
    void text(const QString& text, const QFontMetricsF& metrics, qreal left, qreal width, qreal top,
              qreal height, print::Align align);

    QPainter& painter_;
    const PageMetrics& metrics_;
    QFontMetricsF titleMetrics_;
    QFontMetricsF headerMetrics_;
    QFontMetricsF headingMetrics_;
    QFontMetricsF textMetrics_;
    QFontMetricsF tableMetrics_;
    QFontMetricsF footerMetrics_;
};

}  // namespace vexa::printlayout
