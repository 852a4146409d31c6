#pragma once
// Prints reports on a paged paint device (a PDF writer, a printer, the print
// preview's printer): the report page setup, the pagination, then page after
// page, telling `progress` how far it got and stopping when it asks.
#include "core/print/Report.h"
#include "core/ui/Progress.h"

#include <vector>

class QPagedPaintDevice;

namespace vexa::printlayout {

struct RenderResult {
    enum class Outcome { Done, Stopped, Failed };
    Outcome outcome = Outcome::Done;
    int pages = 0;  // pages painted

    bool done() const { return outcome == Outcome::Done; }
};

RenderResult RenderReports(QPagedPaintDevice& device, const std::vector<print::Report>& reports, Progress& progress);

}  // namespace vexa::printlayout
