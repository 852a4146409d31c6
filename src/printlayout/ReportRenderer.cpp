#include "printlayout/ReportRenderer.h"

#include "printlayout/PageMetrics.h"
#include "printlayout/PageSetup.h"
#include "printlayout/Pagination.h"
#include "printlayout/ReportPainter.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace vexa::printlayout {

RenderResult RenderReports(QPagedPaintDevice& device, const std::vector<print::Report>& reports, Progress& progress) {
    using Outcome = RenderResult::Outcome;
    if (!ApplyReportPageLayout(device))
        return {Outcome::Failed, 0};
    QPainter painter;
    if (!painter.begin(&device))
        return {Outcome::Failed, 0};
    const PageMetrics metrics(device);
    const std::vector<LaidOutPage> pages = Paginate(reports, metrics);
    ReportPainter pagePainter(painter, metrics);
    RenderResult result{Outcome::Done, 0};
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (progress.stopRequested()) {
            result.outcome = Outcome::Stopped;
            break;
        }
        if (p > 0 && !device.newPage()) {
            result.outcome = Outcome::Failed;
            break;
        }
        pagePainter.paint(reports[static_cast<std::size_t>(pages[p].report)], pages[p]);
        ++result.pages;
        progress.setValue(static_cast<int>(100 * (p + 1) / pages.size()));
    }
    if (!painter.end() && result.done())
        result.outcome = Outcome::Failed;
    return result;
}

}  // namespace vexa::printlayout
