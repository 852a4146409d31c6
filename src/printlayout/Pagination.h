#pragma once
// Which parts of the reports go on which page, and where: each report starts
// on a new page; a table's rows run on over as many pages as they need, with
// the column headings again at the top of each; a heading stays with what
// follows it. A page exists only for something placed on it, so there are
// no empty pages. A one-page report keeps what fits on its first page.
#include "printlayout/PageMetrics.h"
#include "core/print/Report.h"

#include <vector>

namespace vexa::printlayout {

struct PageItem {
    enum class Kind { Heading, Line, Field, Checks, TableHead, TableRow, TableTotals };
    Kind kind = Kind::Line;
    int section = 0;  // in the report
    int index = 0;    // the line, field, check row or table row in the section
    qreal top = 0;    // device pixels from the top of the printable area
};

struct LaidOutPage {
    int report = 0;  // in the job
    int number = 1;  // from 1 within its report
    int count = 1;   // pages of its report
    std::vector<PageItem> items;
};

std::vector<LaidOutPage> Paginate(const std::vector<print::Report>& reports, const PageMetrics& metrics);

}  // namespace vexa::printlayout
