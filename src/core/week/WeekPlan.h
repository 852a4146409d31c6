#pragma once
// The week at a glance, as data: for a chosen month (or all year), when each
// sheet plays on each day Monday … Sunday, where sheets overlap, how long each
// sheet plays against its time window, and what the user should look at
// (findings). Built from the Project alone; the week window, the week report
// and `vexa week` only show it.
//
// A sheet applies on a day when it has a line with Voice 1, its weekday flag
// for that day is set and its season flags cover the month (通年, or that
// month's flag). Its time window runs from the start to the end time; an end
// before the start is read as running over midnight into the next day (as the
// test run's window length counts it) and is marked 要確認, since how the
// device treats it is not known; an empty or unreadable time, or a start equal
// to the end, gives no span and a 要確認 finding. A sheet at volume 0
// (放送停止) is shown greyed and overlaps nothing.
#include "core/config/Configuration.h"
#include "core/model/Project.h"
#include "core/sound/SimulatedAudioOutput.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vexa {

inline constexpr int kDaysPerWeek = 7;
inline constexpr int kMinutesPerDay = 24 * 60;
inline constexpr int kAllYear = 0;  // the month of the 通年 view

// One stretch of a day in which a sheet plays, in minutes from 0:00.
struct WeekSpan {
    int sheet = 0;                   // index 0 … 7
    int start = 0;                   // minute of the day
    int end = 0;                     // minute of the day, 1440 for midnight; end > start
    bool fromPreviousDay = false;    // the part after midnight of a window that began the day before
    bool needsCheck = false;         // over midnight: 要確認
    bool stopped = false;            // volume 0, 放送停止

    bool operator==(const WeekSpan&) const = default;
};

struct WeekOverlap {
    int day = 0;  // 0 Monday … 6 Sunday
    int start = 0;
    int end = 0;
    int first = 0;  // the two sheets, first < second
    int second = 0;

    bool operator==(const WeekOverlap&) const = default;
};

enum class WeekFindingKind {
    Overlap,         // two sheets on the same day at the same time
    TooLong,         // the sheet's lines last longer than its window
    NoWeekday,       // no weekday ticked: the sheet never plays
    NoMonth,         // no season ticked: the sheet never plays
    UncoveredDay,    // in the chosen month, a day on which no sheet plays
    UncoveredMonth,  // a month in which no sheet plays
    Stopped,         // volume 0 (放送停止)
    EmptyTime,       // start or end time empty or unreadable (要確認)
    OverMidnight,    // end before start (要確認)
    SameStartEnd,    // start equal to end (要確認)
    NotPlayable,     // the test run could not play the sheet to its end
};

struct WeekFinding {
    WeekFindingKind kind;
    int sheet = -1;  // -1 when no one sheet is concerned
    int day = -1;
    int month = -1;
    bool needsCheck = false;  // shown as 要確認
    std::string text;

    bool operator==(const WeekFinding&) const = default;
};

struct WeekSheet {
    int sheet = 0;
    std::string name;
    int volume = 0;
    bool hasVoice = false;
    std::vector<int> months;            // 1 … 12 in which it applies
    std::vector<int> days;              // 0 … 6 on which it applies
    std::optional<int> windowSeconds;   // start to end
    std::optional<double> playSeconds;  // the test run's total, when it could be played
    bool fits = true;                   // play time within the window (or either unknown)

    bool operator==(const WeekSheet&) const = default;
};

struct WeekPlan {
    bool multiSheet = true;  // false: single-sheet mode, where sheets carry no time window
    int month = kAllYear;
    std::array<std::vector<WeekSpan>, kDaysPerWeek> days;
    std::vector<WeekOverlap> overlaps;
    std::vector<WeekSheet> sheets;  // the sheets with a line to play
    std::array<std::string, kSheetCount> sheetNames;
    std::vector<WeekFinding> findings;
};

// The plan for `month` (kAllYear, or 1 … 12). `measure` gives a voice's play
// length as the test run measures it (default: the WAVE file's).
WeekPlan BuildWeekPlan(const Project& project, const Settings& settings, int month,
                       SimulatedAudioOutput::Measure measure = {});

// The month of today's date, 1 … 12 (local time).
int CurrentMonth();

// "月" … "日" for 0 … 6; "通年" or "1月" … "12月".
std::string WeekdayName(int day);
std::string MonthName(int month);
// "09:05"; "24:00" for the end of a day.
std::string MinuteText(int minute);
// "シート1「朝」" (the name left out when empty).
std::string SheetLabel(const WeekPlan& plan, int sheet);

}  // namespace vexa
