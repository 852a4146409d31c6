#include "core/print/PrintJob.h"

#include "core/print/ControlDataReport.h"
#include "core/print/EditorSheetReport.h"
#include "core/print/PatternTimesReport.h"
#include "core/print/SoundListReport.h"
#include "core/print/UserInformationReport.h"
#include "core/print/WeekReport.h"

namespace vexa::print {

std::vector<Report> BuildPrintJob(const Project& project, const Configuration& configuration,
                                  const ElementPatternFile& elements, const PrintChoices& choices,
                                  const PrintTime& time, const std::vector<int>& weekMonths) {
    const Settings& settings = configuration.settings;
    std::vector<Report> reports;
    for (const PrintBox& box : kPrintBoxes) {
        if (!choices[static_cast<std::size_t>(box.index)])
            continue;
        switch (box.report) {
        case ReportKind::EditorSheet: {
            const int sheets = settings.multiSheet() ? kSheetCount : 1;
            for (int sheet = 0; sheet < sheets; ++sheet)
                reports.push_back(EditorSheetReport(project, settings, elements, sheet, time));
            break;
        }
        case ReportKind::ControlData:
            reports.push_back(ControlDataReport(project.card, time));
            break;
        case ReportKind::PatternTimes:
            reports.push_back(PatternTimesReport(project.patterns, time));
            break;
        case ReportKind::SoundList:
            reports.push_back(SoundListReport(project, time));
            break;
        case ReportKind::UserInformation:
            reports.push_back(UserInformationReport(project.user, time));
            break;
        case ReportKind::Week:
            for (const int month : weekMonths.empty() ? std::vector<int>{CurrentMonth()} : weekMonths)
                reports.push_back(WeekReport(BuildWeekPlan(project, settings, month), time));
            break;
        }
    }
    return reports;
}

}  // namespace vexa::print
