#include "core/week/WeekPlan.h"

#include "core/editor/GridColumns.h"
#include "core/editor/TestTable.h"
#include "core/editor/TestTimeline.h"
#include "core/model/ProgramSheet.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <span>

namespace vexa {
namespace {

constexpr const char* kDayNames[kDaysPerWeek] = {"月", "火", "水", "木", "金", "土", "日"};
constexpr const char* kDayWords[kDaysPerWeek] = {"月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日", "日曜日"};

std::optional<int> number(const std::string& text, int limit) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0 || value >= limit)
        return std::nullopt;
    return value;
}

std::optional<int> minuteOfDay(const std::string& hour, const std::string& minute) {
    const auto h = number(hour, 24);
    const auto m = number(minute, 60);
    if (!h || !m)
        return std::nullopt;
    return *h * 60 + *m;
}

bool hasVoice(const ProgramSheet& sheet, int lineCount) {
    for (const ProgramLine& line : std::span(sheet.lines).first(static_cast<std::size_t>(lineCount)))
        if (line.inUse())
            return true;
    return false;
}

std::vector<int> monthsOf(const SheetHeader& header) {
    std::vector<int> months;
    for (int m = 1; m <= 12; ++m)
        if (header.seasons[0] != 0 || header.seasons[static_cast<std::size_t>(m)] != 0)
            months.push_back(m);
    return months;
}

std::vector<int> daysOf(const SheetHeader& header) {
    std::vector<int> days;
    for (int d = 0; d < kDaysPerWeek; ++d)
        if (header.weekdays[static_cast<std::size_t>(d)] != 0)
            days.push_back(d);
    return days;
}

bool contains(const std::vector<int>& list, int value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

bool shareMonth(const WeekSheet& a, const WeekSheet& b) {
    return std::any_of(a.months.begin(), a.months.end(), [&](int m) { return contains(b.months, m); });
}

// The test run's total for the sheet.
std::optional<double> playSeconds(const Project& project, const ProgramSheet& sheet, int lineCount,
                                  TimelineSounds& sounds) {
    const auto lines = std::span(sheet.lines).first(static_cast<std::size_t>(lineCount));
    const Timeline timeline = RunTimeline(BuildTestTable(lines, project.sounds, kGridHeaderRows, TestEntry::Sim),
                                          kGridHeaderRows, TestEntry::Sim, project.patterns, sounds);
    if (timeline.fault)
        return std::nullopt;
    return timeline.seconds();
}

class Builder {
public:
    Builder(const Project& project, const Settings& settings, int month, SimulatedAudioOutput::Measure measure)
        : project_(project), lineCount_(usableLineCount(settings.lineCount())), month_(month),
          sounds_(std::move(measure)) {  // each sound is read once, however many lines and sheets play it
        plan_.month = month;
        plan_.multiSheet = settings.multiSheet();
    }

    WeekPlan build() {
        if (!plan_.multiSheet)
            return plan_;
        for (int s = 0; s < kSheetCount; ++s)
            addSheet(s);
        findOverlaps();
        findUncovered();
        std::stable_sort(plan_.findings.begin(), plan_.findings.end(),
                         [](const WeekFinding& a, const WeekFinding& b) { return a.kind < b.kind; });
        return plan_;
    }

private:
    void addFinding(WeekFindingKind kind, int sheet, std::string text, bool needsCheck = false, int day = -1,
                    int month = -1) {
        plan_.findings.push_back({kind, sheet, day, month, needsCheck, std::move(text)});
    }

    std::string label(int sheet) const { return SheetLabel(plan_, sheet); }

    void addSheet(int s) {
        const ProgramSheet& sheet = project_.sheets[static_cast<std::size_t>(s)];
        const SheetHeader& header = sheet.header;
        plan_.sheetNames[static_cast<std::size_t>(s)] = header.name;
        if (!hasVoice(sheet, lineCount_))
            return;
        WeekSheet info;
        info.sheet = s;
        info.name = header.name;
        info.volume = header.volume;
        info.hasVoice = true;
        info.months = monthsOf(header);
        info.days = daysOf(header);
        info.windowSeconds = SheetWindowSeconds(header);
        info.playSeconds = playSeconds(project_, sheet, lineCount_, sounds_);
        info.fits = !info.windowSeconds || !info.playSeconds || *info.playSeconds <= *info.windowSeconds;
        plan_.sheets.push_back(info);

        if (info.days.empty())
            addFinding(WeekFindingKind::NoWeekday, s, label(s) + "：曜日が１つも選ばれていないため、放送されません。");
        if (info.months.empty())
            addFinding(WeekFindingKind::NoMonth, s, label(s) + "：シーズンが１つも選ばれていないため、放送されません。");
        if (header.volume == 0)
            addFinding(WeekFindingKind::Stopped, s, label(s) + "：音量レベルが0（放送停止）です。");
        if (!info.playSeconds)
            addFinding(WeekFindingKind::NotPlayable, s,
                       label(s) + "：テストで最後まで再生できないため、放送時間を計算できません。");
        else if (!info.fits)
            addFinding(WeekFindingKind::TooLong, s,
                       label(s) + "：放送時間 " + secondsText(*info.playSeconds) + " 秒が時間帯 " +
                           std::to_string(*info.windowSeconds) + " 秒より長くなっています。");

        const auto start = minuteOfDay(header.startHour, header.startMinute);
        const auto end = minuteOfDay(header.endHour, header.endMinute);
        if (!start || !end) {
            addFinding(WeekFindingKind::EmptyTime, s,
                       label(s) + "：開始時刻または終了時刻が入力されていません（コントロールデータ作成では必須です）。",
                       true);
            return;
        }
        if (*start == *end) {
            addFinding(WeekFindingKind::SameStartEnd, s,
                       label(s) + "：開始時刻と終了時刻が同じ " + MinuteText(*start) +
                           " です。終日放送か放送なしか、機器の動作を確認してください。",
                       true);
            return;
        }
        const bool overMidnight = *end < *start;
        if (overMidnight)
            addFinding(WeekFindingKind::OverMidnight, s,
                       label(s) + "：終了時刻 " + MinuteText(*end) + " が開始時刻 " + MinuteText(*start) +
                           " より前です。翌日にまたがる時間帯として表示しています。機器の動作を確認してください。",
                       true);
        if (!appliesInMonth(info))
            return;
        const bool stopped = header.volume == 0;
        for (const int d : info.days) {
            if (!overMidnight) {
                day(d).push_back({s, *start, *end, false, false, stopped});
                continue;
            }
            day(d).push_back({s, *start, kMinutesPerDay, false, true, stopped});
            if (*end > 0)
                day((d + 1) % kDaysPerWeek).push_back({s, 0, *end, true, true, stopped});
        }
    }

    bool appliesInMonth(const WeekSheet& info) const {
        return month_ == kAllYear ? !info.months.empty() : contains(info.months, month_);
    }

    std::vector<WeekSpan>& day(int d) { return plan_.days[static_cast<std::size_t>(d)]; }

    const WeekSheet& sheetInfo(int s) const {
        return *std::find_if(plan_.sheets.begin(), plan_.sheets.end(), [s](const WeekSheet& w) { return w.sheet == s; });
    }

    void findOverlaps() {
        for (int d = 0; d < kDaysPerWeek; ++d) {
            auto& spans = day(d);
            std::sort(spans.begin(), spans.end(), [](const WeekSpan& a, const WeekSpan& b) {
                return a.start != b.start ? a.start < b.start : a.sheet < b.sheet;
            });
            for (std::size_t i = 0; i < spans.size(); ++i)
                for (std::size_t j = i + 1; j < spans.size(); ++j)
                    addOverlap(d, spans[i], spans[j]);
        }
    }

    void addOverlap(int d, const WeekSpan& a, const WeekSpan& b) {
        if (a.stopped || b.stopped || a.sheet == b.sheet)
            return;
        const int from = std::max(a.start, b.start);
        const int to = std::min(a.end, b.end);
        if (from >= to || !shareMonth(sheetInfo(a.sheet), sheetInfo(b.sheet)))
            return;
        const int first = std::min(a.sheet, b.sheet);
        const int second = std::max(a.sheet, b.sheet);
        plan_.overlaps.push_back({d, from, to, first, second});
        addFinding(WeekFindingKind::Overlap, first,
                   std::string(kDayWords[d]) + " " + MinuteText(from) + "～" + MinuteText(to) + "：" + label(first) +
                       "と" + label(second) + "の時間帯が重なっています。",
                   false, d);
    }

    // Days of the chosen month, and months, in which no sheet plays.
    void findUncovered() {
        const auto plays = [](const WeekSheet& w) { return w.volume != 0 && !w.days.empty() && !w.months.empty(); };
        if (std::none_of(plan_.sheets.begin(), plan_.sheets.end(), plays))
            return;  // the findings of each sheet already say why nothing plays
        for (int d = 0; d < kDaysPerWeek; ++d) {
            const bool covered = std::any_of(day(d).begin(), day(d).end(), [](const WeekSpan& w) { return !w.stopped; });
            if (!covered)
                addFinding(WeekFindingKind::UncoveredDay, -1,
                           MonthName(month_) + "の" + kDayWords[d] + "に放送するシートがありません。", false, d);
        }
        for (int m = 1; m <= 12; ++m) {
            const bool covered = std::any_of(plan_.sheets.begin(), plan_.sheets.end(),
                                             [&](const WeekSheet& w) { return plays(w) && contains(w.months, m); });
            if (!covered)
                addFinding(WeekFindingKind::UncoveredMonth, -1, MonthName(m) + "に放送するシートがありません。", false,
                           -1, m);
        }
    }

    static std::string secondsText(double seconds) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", seconds);
        return text;
    }

    const Project& project_;
    int lineCount_;
    int month_;
    WeekPlan plan_;
    TimelineSounds sounds_;
};

}  // namespace

WeekPlan BuildWeekPlan(const Project& project, const Settings& settings, int month,
                       SimulatedAudioOutput::Measure measure) {
    return Builder(project, settings, month, std::move(measure)).build();
}

int CurrentMonth() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_mon + 1;
}

std::string WeekdayName(int day) { return day >= 0 && day < kDaysPerWeek ? kDayNames[day] : ""; }

std::string MonthName(int month) { return month == kAllYear ? "通年" : std::to_string(month) + "月"; }

std::string MinuteText(int minute) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", minute / 60, minute % 60);
    return text;
}

std::string SheetLabel(const WeekPlan& plan, int sheet) {
    const std::string& name = plan.sheetNames[static_cast<std::size_t>(sheet)];
    return "シート" + std::to_string(sheet + 1) + (name.empty() ? "" : "「" + name + "」");
}

}  // namespace vexa
