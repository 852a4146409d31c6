#pragma once
// The one page setup of every report: A4 landscape (the editor sheet's twenty
// columns need the width) with 10 mm margins.
#include <QPageLayout>

class QPagedPaintDevice;

namespace vexa::printlayout {

QPageLayout ReportPageLayout();

// Gives `device` the report page setup; false when the device refuses it.
bool ApplyReportPageLayout(QPagedPaintDevice& device);

}  // namespace vexa::printlayout
