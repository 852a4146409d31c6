#pragma once
// The sizes of the page parts on one paint device, in its device pixels:
// the printable area, the fonts and the height of every kind of row.
#include "printlayout/ReportFonts.h"
#include "core/print/Report.h"

#include <QFontMetricsF>
#include <QStringList>

class QPaintDevice;

namespace vexa::printlayout {

class PageMetrics {
public:
    // For the device's current page layout and resolution.
    explicit PageMetrics(const QPaintDevice& device);

    qreal mm(qreal millimetres) const { return millimetres * dpi_ / 25.4; }
    qreal pageWidth() const { return width_; }
    qreal pageHeight() const { return height_; }
    const ReportFonts& fonts() const { return fonts_; }
    const QPaintDevice& device() const { return *device_; }

    // The top of the body below the page header, and its bottom above the footer.
    qreal bodyTop(const print::Report& report) const;
    qreal bodyBottom(const print::Report& report) const;
    qreal footerTop() const;

    qreal titleLine() const;
    qreal headerLine() const;
    qreal headingHeight() const;
    qreal sectionGap() const { return mm(3); }  // between two sections on a page
    qreal lineHeight() const;
    qreal fieldHeight() const;  // one line of a labelled value (and a row of check marks)
    qreal labelWidth() const { return mm(52); }
    qreal textPadding() const { return mm(0.8); }  // inside every box of text, left and right
    // A labelled value: its text broken into the lines that fit beside the
    // label (anywhere, as Japanese breaks), and the height of all of them.
    QStringList fieldValueLines(const print::Field& field) const;
    qreal fieldHeight(const print::Field& field) const;
    qreal fieldLineStep() const { return textSpacing_ * 1.1; }  // from one value line to the next
    qreal tableRowHeight() const;
    // One row of column headings, two when any column has a group heading.
    qreal tableHeadHeight(const print::Table& table) const;
    // The width of one character cell of `table`'s column widths: the page's
    // width shared out, for at least 100 cells so that narrow tables stay narrow.
    qreal cellWidth(const print::Table& table) const;

private:
    const QPaintDevice* device_;
    qreal dpi_;
    qreal width_;
    qreal height_;
    ReportFonts fonts_;
    qreal titleSpacing_;
    qreal headerSpacing_;
    qreal headingSpacing_;
    qreal textSpacing_;
    qreal tableSpacing_;
    qreal footerSpacing_;
};

}  // namespace vexa::printlayout
