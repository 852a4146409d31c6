// The week table on paper: a row per sheet and day with its window, volume and
// notes, a day without sheets said as such, then the findings.
#include "core/print/PrintJob.h"
#include "core/print/WeekReport.h"

#include <gtest/gtest.h>

namespace vexa::print {
namespace {

TEST(WeekReport, RowsPerDayWithNotesAndTheFindings) {
    WeekPlan plan;
    plan.month = 7;
    plan.sheetNames[0] = "朝";
    WeekSheet morning, stopped;
    morning.sheet = 0;
    morning.volume = 2;
    stopped.sheet = 1;
    stopped.volume = 0;
    plan.sheets = {morning, stopped};
    plan.days[0] = {WeekSpan{0, 510, 600}, WeekSpan{1, 540, 560, false, false, true}};
    plan.days[5] = {WeekSpan{0, 1320, 1440, false, true}};
    plan.overlaps = {WeekOverlap{0, 540, 560, 0, 1}};
    plan.findings = {WeekFinding{WeekFindingKind::OverMidnight, 0, -1, -1, true, "翌日にまたがります。"}};

    const Report report = WeekReport(plan, PrintTime{});

    EXPECT_EQ(report.kind, ReportKind::Week);
    ASSERT_EQ(report.sections.size(), 2u);
    EXPECT_EQ(report.sections[0].heading, "［週間表　7月］");
    const auto& rows = report.sections[0].table->rows;
    EXPECT_EQ(rows[0], (Row{"月", "シート1「朝」", "08:30～10:00", "2 中", "重なり 09:00～09:20"}));
    EXPECT_EQ(rows[1], (Row{"月", "シート2", "09:00～09:20", "0 放送停止", "重なり 09:00～09:20"}));
    EXPECT_EQ(rows[2], (Row{"火", "－", "", "", "放送なし"}));
    EXPECT_EQ(rows[6], (Row{"土", "シート1「朝」", "22:00～24:00", "2 中", "翌日へ・要確認"}));
    EXPECT_EQ(report.sections[1].lines, std::vector<std::string>{"要確認：翌日にまたがります。"});
}

TEST(WeekReport, OnePerChosenMonthInTheJob) {
    Project project;
    Configuration configuration;
    configuration.settings.maxLine = 3;
    configuration.settings.addFunction1 = 1;
    PrintChoices choices{};
    choices[5] = true;

    const auto reports = BuildPrintJob(project, configuration, ElementPatternFile::load("/nonexistent"), choices,
                                       PrintTime{}, {4, 7});

    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].sections[0].heading, "［週間表　4月］");
    EXPECT_EQ(reports[1].sections[0].heading, "［週間表　7月］");
}

}  // namespace
}  // namespace vexa::print
