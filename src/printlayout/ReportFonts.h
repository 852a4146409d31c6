#pragma once
// The fonts of the print-outs: one installed family that has Japanese
// glyphs, in the sizes the page parts use.
#include <QFont>
#include <QString>

namespace vexa::printlayout {

// The first installed family of IPAGothic, IPAPGothic, Noto Sans CJK JP,
// Noto Sans JP, Takao Gothic and VL Gothic; the application font's family
// when none is (Japanese text then shows as empty boxes).
QString JapaneseFontFamily();

struct ReportFonts {
    QFont title;    // the page header's title
    QFont header;   // date, time and folder line
    QFont heading;  // a section's heading
    QFont text;     // labelled values and lines
    QFont table;    // column headings and rows
    QFont footer;   // "Page[n/m]"

    static ReportFonts make();
};

}  // namespace vexa::printlayout
