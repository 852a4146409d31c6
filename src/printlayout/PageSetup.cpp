#include "printlayout/PageSetup.h"

#include <QPagedPaintDevice>

namespace vexa::printlayout {

QPageLayout ReportPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

bool ApplyReportPageLayout(QPagedPaintDevice& device) { return device.setPageLayout(ReportPageLayout()); }

}  // namespace vexa::printlayout
