#include "printlayout/Pagination.h"

namespace vexa::printlayout {
namespace {

using Kind = PageItem::Kind;

// Places the parts of one report from top to bottom, opening pages as needed.
class ReportPlacer {
public:
    ReportPlacer(const print::Report& report, int reportIndex, const PageMetrics& metrics)
        : report_(report), reportIndex_(reportIndex), metrics_(metrics), top_(metrics.bodyTop(report)),
          bottom_(metrics.bodyBottom(report)) {}

    std::vector<LaidOutPage> run() {
        for (int s = 0; s < static_cast<int>(report_.sections.size()) && !stopped_; ++s)
            placeSection(s);
        if (pages_.empty())
            openPage();  // a report prints at least its header
        for (LaidOutPage& page : pages_)
            page.count = static_cast<int>(pages_.size());
        return std::move(pages_);
    }

private:
    void placeSection(int s) {
        const print::Section& section = report_.sections[static_cast<std::size_t>(s)];
        if (!empty_)
            y_ += metrics_.sectionGap();
        if (!section.heading.empty())
            place(Kind::Heading, s, 0, metrics_.headingHeight(), firstHeight(section));
        for (int i = 0; i < static_cast<int>(section.lines.size()); ++i)
            place(Kind::Line, s, i, metrics_.lineHeight());
        for (int i = 0; i < static_cast<int>(section.fields.size()); ++i)
            place(Kind::Field, s, i, metrics_.fieldHeight(section.fields[static_cast<std::size_t>(i)]));
        for (int i = 0; i < static_cast<int>(section.checks.size()); ++i)
            place(Kind::Checks, s, i, metrics_.fieldHeight());
        if (section.table)
            placeTable(s, *section.table);
    }

    void placeTable(int s, const print::Table& table) {
        const qreal row = metrics_.tableRowHeight();
        const qreal head = metrics_.tableHeadHeight(table);
        // The headings never end a page: they stay with the first row.
        place(Kind::TableHead, s, 0, head, table.rows.empty() && !table.totals ? 0 : row);
        for (int i = 0; i < static_cast<int>(table.rows.size()); ++i)
            placeTableRow(Kind::TableRow, s, i, head, row);
        if (table.totals)
            placeTableRow(Kind::TableTotals, s, 0, head, row);
    }

    void placeTableRow(Kind kind, int s, int index, qreal head, qreal row) {
        if (!fits(row)) {
            if (!newPageOrStop())
                return;
            put(Kind::TableHead, s, 0, head);
        }
        put(kind, s, index, row);
    }

    // The height of what a heading must not be parted from.
    qreal firstHeight(const print::Section& section) const {
        if (!section.lines.empty())
            return metrics_.lineHeight();
        if (!section.fields.empty())
            return metrics_.fieldHeight(section.fields.front());
        if (!section.checks.empty())
            return metrics_.fieldHeight();
        if (section.table)
            return metrics_.tableHeadHeight(*section.table) + (section.table->rows.empty() ? 0 : metrics_.tableRowHeight());
        return 0;
    }

    void place(Kind kind, int s, int index, qreal height, qreal keepWith = 0) {
        if (stopped_)
            return;
        if (!fits(height + keepWith) && !newPageOrStop())
            return;
        put(kind, s, index, height);
    }

    bool fits(qreal height) const { return pages_.empty() || empty_ || y_ + height <= bottom_; }

    bool newPageOrStop() {
        if (report_.onePage && !pages_.empty()) {
            stopped_ = true;
            return false;
        }
        openPage();
        return true;
    }

    void put(Kind kind, int s, int index, qreal height) {
        if (pages_.empty())
            openPage();
        pages_.back().items.push_back({kind, s, index, y_});
        y_ += height;
        empty_ = false;
    }

    void openPage() {
        pages_.push_back({reportIndex_, static_cast<int>(pages_.size()) + 1, 1, {}});
        y_ = top_;
        empty_ = true;
    }

    const print::Report& report_;
    int reportIndex_;
    const PageMetrics& metrics_;
    qreal top_;
    qreal bottom_;
    qreal y_ = 0;
    bool empty_ = true;
    bool stopped_ = false;
    std::vector<LaidOutPage> pages_;
};

}  // namespace

std::vector<LaidOutPage> Paginate(const std::vector<print::Report>& reports, const PageMetrics& metrics) {
    std::vector<LaidOutPage> pages;
    for (int r = 0; r < static_cast<int>(reports.size()); ++r) {
        auto report = ReportPlacer(reports[static_cast<std::size_t>(r)], r, metrics).run();
        pages.insert(pages.end(), std::make_move_iterator(report.begin()), std::make_move_iterator(report.end()));
    }
    return pages;
}

}  // namespace vexa::printlayout
