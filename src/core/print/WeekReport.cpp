#include "core/print/WeekReport.h"

namespace vexa::print {
namespace {

std::string volumeText(int volume) {
    static const char* kVolumes[] = {"0 放送停止", "1 大", "2 中", "3 小"};
    return volume >= 0 && volume < 4 ? kVolumes[volume] : std::to_string(volume);
}

std::string spanNote(const WeekSpan& span, const WeekPlan& plan) {
    std::string note;
    if (span.fromPreviousDay)
        note += "前日から";
    else if (span.needsCheck)
        note += "翌日へ";
    if (span.needsCheck)
        note += (note.empty() ? "" : "・") + std::string("要確認");
    for (const WeekOverlap& overlap : plan.overlaps)
        if ((overlap.first == span.sheet || overlap.second == span.sheet) && overlap.start < span.end &&
            overlap.end > span.start) {
            note += (note.empty() ? "" : "・") + std::string("重なり ") + MinuteText(overlap.start) + "～" +
                    MinuteText(overlap.end);
            break;
        }
    return note;
}

int volumeOf(const WeekPlan& plan, int sheet) {
    for (const WeekSheet& s : plan.sheets)
        if (s.sheet == sheet)
            return s.volume;
    return 0;
}

}  // namespace

Report WeekReport(const WeekPlan& plan, const PrintTime& time) {
    Section days;
    days.heading = "［週間表　" + MonthName(plan.month) + "］";
    if (!plan.multiSheet)
        days.lines.push_back("週間表はマルチシートモードで使えます（シングルシートモードのシートには時間帯がありません）。");
    Table table{{{"", "曜日", 4, Align::Center},
                 {"", "シート", 30, Align::Left},
                 {"", "時間帯", 14, Align::Center},
                 {"", "音量", 10, Align::Left},
                 {"", "備考", 40, Align::Left}},
                {},
                std::nullopt};
    for (int d = 0; plan.multiSheet && d < kDaysPerWeek; ++d) {
        const auto& spans = plan.days[static_cast<std::size_t>(d)];
        if (spans.empty())
            table.rows.push_back({WeekdayName(d), "－", "", "", "放送なし"});
        for (const WeekSpan& span : spans)
            table.rows.push_back({WeekdayName(d), SheetLabel(plan, span.sheet),
                                  MinuteText(span.start) + "～" + MinuteText(span.end),
                                  volumeText(volumeOf(plan, span.sheet)), spanNote(span, plan)});
    }
    if (plan.multiSheet)
        days.table = std::move(table);

    Section findings;
    findings.heading = "［確認事項］";
    for (const WeekFinding& finding : plan.findings)
        findings.lines.push_back((finding.needsCheck ? "要確認：" : "") + finding.text);
    if (plan.multiSheet && plan.findings.empty())
        findings.lines.push_back("確認事項はありません。");

    std::vector<Section> sections{std::move(days)};
    if (plan.multiSheet)
        sections.push_back(std::move(findings));
    return {ReportKind::Week, CommonPageHeader(time), std::move(sections), false, false};
}

}  // namespace vexa::print
