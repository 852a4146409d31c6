// vexa week FILE [--month N] [--json]: the week at a glance — for each
// weekday, when each sheet of a Control File plays in the month (default: the
// current month; 0 for all year), where sheets overlap, each sheet's play time
// against its window, and the findings. Exit 0, 1 when the file is not
// loaded, 2 for usage.
#include "cli/Commands.h"
#include "cli/ConsoleDialogs.h"
#include "cli/ProjectLoading.h"
#include "cli/ProjectOptions.h"
#include "core/week/WeekPlan.h"

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>

namespace vexa::cli {
namespace {

using Json = nlohmann::ordered_json;

struct WeekArguments {
    std::string file;
    std::optional<int> month;
    bool json = false;
    ProjectOptions options;
};

const char* kindName(WeekFindingKind kind) {
    switch (kind) {
    case WeekFindingKind::Overlap: return "overlap";
    case WeekFindingKind::TooLong: return "too_long";
    case WeekFindingKind::NoWeekday: return "no_weekday";
    case WeekFindingKind::NoMonth: return "no_month";
    case WeekFindingKind::UncoveredDay: return "uncovered_day";
    case WeekFindingKind::UncoveredMonth: return "uncovered_month";
    case WeekFindingKind::Stopped: return "stopped";
    case WeekFindingKind::EmptyTime: return "empty_time";
    case WeekFindingKind::OverMidnight: return "over_midnight";
    case WeekFindingKind::SameStartEnd: return "same_start_end";
    case WeekFindingKind::NotPlayable: return "not_playable";
    }
    return "";
}

Json optionalJson(const auto& value) { return value ? Json(*value) : Json(nullptr); }

Json planJson(const WeekPlan& plan) {
    Json days = Json::array();
    for (int d = 0; d < kDaysPerWeek; ++d) {
        Json spans = Json::array();
        for (const WeekSpan& span : plan.days[static_cast<std::size_t>(d)])
            spans.push_back({{"sheet", span.sheet + 1},
                             {"start", MinuteText(span.start)},
                             {"end", MinuteText(span.end)},
                             {"from_previous_day", span.fromPreviousDay},
                             {"needs_check", span.needsCheck},
                             {"stopped", span.stopped}});
        days.push_back({{"day", WeekdayName(d)}, {"spans", spans}});
    }
    Json overlaps = Json::array();
    for (const WeekOverlap& o : plan.overlaps)
        overlaps.push_back({{"day", WeekdayName(o.day)},
                            {"start", MinuteText(o.start)},
                            {"end", MinuteText(o.end)},
                            {"sheets", {o.first + 1, o.second + 1}}});
    Json sheets = Json::array();
    for (const WeekSheet& s : plan.sheets) {
        Json dayNames = Json::array();
        for (const int d : s.days)
            dayNames.push_back(WeekdayName(d));
        sheets.push_back({{"sheet", s.sheet + 1},
                          {"name", s.name},
                          {"volume", s.volume},
                          {"days", dayNames},
                          {"months", s.months},
                          {"window_seconds", optionalJson(s.windowSeconds)},
                          {"play_seconds", optionalJson(s.playSeconds)},
                          {"fits", s.fits}});
    }
    Json findings = Json::array();
    for (const WeekFinding& f : plan.findings)
        findings.push_back({{"kind", kindName(f.kind)},
                            {"sheet", f.sheet >= 0 ? Json(f.sheet + 1) : Json(nullptr)},
                            {"needs_check", f.needsCheck},
                            {"text", f.text}});
    return {{"month", plan.month},        {"month_name", MonthName(plan.month)},
            {"multi_sheet", plan.multiSheet}, {"days", days},
            {"overlaps", overlaps},       {"sheets", sheets},
            {"findings", findings}};
}

void printPlan(const WeekPlan& plan) {
    std::cout << MonthName(plan.month) << '\n';
    if (!plan.multiSheet) {
        std::cout << "週間表示はマルチシートモードで使えます（シングルシートモードのシートには時間帯がありません）。\n";
        return;
    }
    for (int d = 0; d < kDaysPerWeek; ++d) {
        std::cout << WeekdayName(d) << ':';
        const auto& spans = plan.days[static_cast<std::size_t>(d)];
        if (spans.empty())
            std::cout << " -";
        for (const WeekSpan& span : spans) {
            std::cout << "  " << SheetLabel(plan, span.sheet) << ' ' << MinuteText(span.start) << "～"
                      << MinuteText(span.end);
            if (span.stopped)
                std::cout << "（放送停止）";
            if (span.needsCheck)
                std::cout << "（要確認）";
        }
        std::cout << '\n';
    }
    for (const WeekSheet& s : plan.sheets) {
        std::cout << SheetLabel(plan, s.sheet) << ": ";
        for (const int d : s.days)
            std::cout << WeekdayName(d);
        std::cout << (s.months.size() == 12 ? " 通年" : " ");
        if (s.months.size() != 12)
            for (const int m : s.months)
                std::cout << MonthName(m);
        std::cout << ", volume " << s.volume << ", ";
        if (s.playSeconds)
            std::cout << "play " << *s.playSeconds << " s";
        else
            std::cout << "play ?";
        if (s.windowSeconds)
            std::cout << ", window " << *s.windowSeconds << " s" << (s.fits ? "" : " (too long)");
        std::cout << '\n';
    }
    for (const WeekFinding& f : plan.findings)
        std::cout << (f.needsCheck ? "要確認: " : "") << f.text << '\n';
}

int run(const WeekArguments& args, const CliContext& context) {
    const Configuration configuration = runningConfiguration(context, args.options);
    ConsoleDialogs dialogs;
    const auto document = loadDocument(args.file, configuration, dialogs);
    if (!document)
        return 1;
    const WeekPlan plan =
        BuildWeekPlan(document->project(), configuration.settings, args.month.value_or(CurrentMonth()));
    if (args.json)
        std::cout << planJson(plan).dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
    else
        printPlan(plan);
    return 0;
}

}  // namespace

void addWeekCommand(CLI::App& app, CliContext& context) {
    auto args = std::make_shared<WeekArguments>();
    CLI::App* sub = app.add_subcommand(
        "week", "Print when each sheet of a Control File plays on each weekday of a month, overlaps and findings");
    addHomeOption(*sub, context);
    addProjectOptions(*sub, args->options);
    sub->add_option("FILE", args->file, "Control File (.vxa, .ktr or .wpj)")->required();
    sub->add_option("--month", args->month, "month 1 … 12, or 0 for all year (default: the current month)")
        ->check(CLI::Range(0, 12));
    sub->add_flag("--json", args->json, "print one JSON object");
    sub->callback([&context, args] { context.exitCode = run(*args, context); });
}

}  // namespace vexa::cli
