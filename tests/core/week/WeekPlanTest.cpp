// The week plan: which sheet plays when on each day of a month, where sheets
// overlap, and what the findings list says about sheets that never play,
// play too long or whose window the device's behaviour leaves open (要確認).
#include "TestPaths.h"
#include "core/week/WeekPlan.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace vexa {
namespace {

using ::testing::ElementsAre;

struct Window {
    const char* start;  // "HH:MM" or ""
    const char* end;
};

class WeekPlanTest : public ::testing::Test {
public:
    WeekPlanTest() {
        test::writeBytes(sound, "measured by the test's own function");
        settings.maxLine = 3;
        settings.addFunction1 = 1;
        project.soundPresent = true;
        project.sounds[0] = SoundEntry{};
        project.sounds[0].fileName = "A.WAV";
        project.sounds[0].sourcePath = sound.string();
    }

    // Sheet `s` plays A.WAV once, in `window`, on `days` ("月火…"), in `months` (0 for 通年).
    void sheet(int s, Window window, const std::string& days, std::vector<int> months, int volume = 1) {
        ProgramSheet& sheet = project.sheets[static_cast<std::size_t>(s)];
        sheet.header.name = "S" + std::to_string(s + 1);
        sheet.header.volume = static_cast<std::int16_t>(volume);
        const std::string start = window.start, end = window.end;
        sheet.header.startHour = start.substr(0, start.empty() ? 0 : 2);
        sheet.header.startMinute = start.empty() ? "" : start.substr(3);
        sheet.header.endHour = end.substr(0, end.empty() ? 0 : 2);
        sheet.header.endMinute = end.empty() ? "" : end.substr(3);
        const std::string names[] = {"月", "火", "水", "木", "金", "土", "日"};
        for (int d = 0; d < kDaysPerWeek; ++d)
            sheet.header.weekdays[static_cast<std::size_t>(d)] = days.find(names[d]) != std::string::npos ? 1 : 0;
        for (const int m : months)
            sheet.header.seasons[static_cast<std::size_t>(m)] = 1;
        sheet.lines[0].voices[0] = "A.WAV";
    }

    WeekPlan plan(int month = 4) {
        return BuildWeekPlan(project, settings, month, [this](const std::filesystem::path&) { return soundMs; });
    }

    static std::vector<WeekFindingKind> kinds(const WeekPlan& p, bool needsCheckOnly = false) {
        std::vector<WeekFindingKind> out;
        for (const WeekFinding& f : p.findings)
            if (!needsCheckOnly || f.needsCheck)
                out.push_back(f.kind);
        return out;
    }

    static bool has(const WeekPlan& p, WeekFindingKind kind) {
        const auto k = kinds(p);
        return std::find(k.begin(), k.end(), kind) != k.end();
    }

    test::TempDir temp;
    std::filesystem::path sound = temp / "A.WAV";
    Settings settings;
    Project project;
    long long soundMs = 2000;
};

TEST_F(WeekPlanTest, TwoSheetsOverlapOnTheSharedDayOnly) {
    sheet(0, {"09:00", "10:00"}, "火", {0});
    sheet(1, {"09:30", "11:00"}, "火水", {0});

    const WeekPlan p = plan();

    EXPECT_THAT(p.days[1], ElementsAre(WeekSpan{0, 540, 600}, WeekSpan{1, 570, 660}));
    EXPECT_THAT(p.days[2], ElementsAre(WeekSpan{1, 570, 660}));
    EXPECT_THAT(p.overlaps, ElementsAre(WeekOverlap{1, 570, 600, 0, 1}));
    ASSERT_TRUE(has(p, WeekFindingKind::Overlap));
    EXPECT_EQ(p.findings.front().text, "火曜日 09:30～10:00：シート1「S1」とシート2「S2」の時間帯が重なっています。");
}

TEST_F(WeekPlanTest, EachCaseOfTheWindowAndTheSeasons) {
    struct Case {
        const char* what;
        std::function<void(WeekPlanTest&)> arrange;
        int month;
        std::function<void(const WeekPlan&)> expect;
    };
    const Case cases[] = {
        {"over midnight, Sunday into Monday",
         [](WeekPlanTest& t) { t.sheet(0, {"22:00", "02:00"}, "日", {0}); }, 4,
         [](const WeekPlan& p) {
             EXPECT_THAT(p.days[6], ElementsAre(WeekSpan{0, 1320, 1440, false, true}));
             EXPECT_THAT(p.days[0], ElementsAre(WeekSpan{0, 0, 120, true, true}));
             EXPECT_THAT(kinds(p, true), ElementsAre(WeekFindingKind::OverMidnight));
         }},
        {"weekdays but no month", [](WeekPlanTest& t) { t.sheet(0, {"09:00", "10:00"}, "月火水木金", {}); }, 4,
         [](const WeekPlan& p) {
             for (const auto& day : p.days)
                 EXPECT_TRUE(day.empty());
             EXPECT_TRUE(has(p, WeekFindingKind::NoMonth));
         }},
        {"April only, seen in April", [](WeekPlanTest& t) { t.sheet(0, {"09:00", "10:00"}, "月", {4}); }, 4,
         [](const WeekPlan& p) {
             EXPECT_EQ(p.days[0].size(), 1u);
             EXPECT_EQ(std::count_if(p.findings.begin(), p.findings.end(),
                                     [](const WeekFinding& f) { return f.kind == WeekFindingKind::UncoveredMonth; }),
                       11);
             EXPECT_EQ(std::count_if(p.findings.begin(), p.findings.end(),
                                     [](const WeekFinding& f) { return f.kind == WeekFindingKind::UncoveredDay; }),
                       6);
         }},
        {"April only, seen in May", [](WeekPlanTest& t) { t.sheet(0, {"09:00", "10:00"}, "月", {4}); }, 5,
         [](const WeekPlan& p) { EXPECT_TRUE(p.days[0].empty()); }},
        {"April only, seen all year", [](WeekPlanTest& t) { t.sheet(0, {"09:00", "10:00"}, "月", {4}); }, kAllYear,
         [](const WeekPlan& p) {
             EXPECT_EQ(p.days[0].size(), 1u);
             EXPECT_THAT(p.sheets.at(0).months, ElementsAre(4));
         }},
        {"all year and one month do not overlap across months",
         [](WeekPlanTest& t) {
             t.sheet(0, {"09:00", "10:00"}, "月", {4});
             t.sheet(1, {"09:00", "10:00"}, "月", {5});
         },
         kAllYear, [](const WeekPlan& p) { EXPECT_TRUE(p.overlaps.empty()); }},
        {"longer than its window",
         [](WeekPlanTest& t) {
             t.soundMs = 90'000;
             t.sheet(0, {"09:00", "09:01"}, "月", {0});
         },
         4,
         [](const WeekPlan& p) {
             EXPECT_EQ(p.sheets.at(0).windowSeconds, 60);
             EXPECT_GT(*p.sheets.at(0).playSeconds, 90.0);
             EXPECT_FALSE(p.sheets.at(0).fits);
             EXPECT_TRUE(has(p, WeekFindingKind::TooLong));
         }},
        {"volume 0 is greyed and overlaps nothing",
         [](WeekPlanTest& t) {
             t.sheet(0, {"09:00", "10:00"}, "月", {0}, 0);
             t.sheet(1, {"09:00", "10:00"}, "月", {0});
         },
         4,
         [](const WeekPlan& p) {
             EXPECT_TRUE(p.days[0].at(0).stopped);
             EXPECT_TRUE(p.overlaps.empty());
             EXPECT_TRUE(has(p, WeekFindingKind::Stopped));
         }},
        {"empty start time", [](WeekPlanTest& t) { t.sheet(0, {"", "10:00"}, "月", {0}); }, 4,
         [](const WeekPlan& p) {
             EXPECT_TRUE(p.days[0].empty());
             EXPECT_THAT(kinds(p, true), ElementsAre(WeekFindingKind::EmptyTime));
         }},
        {"start equal to end", [](WeekPlanTest& t) { t.sheet(0, {"09:00", "09:00"}, "月", {0}); }, 4,
         [](const WeekPlan& p) { EXPECT_THAT(kinds(p, true), ElementsAre(WeekFindingKind::SameStartEnd)); }},
        {"a sheet without voices is not in the plan",
         [](WeekPlanTest& t) {
             t.sheet(0, {"09:00", "10:00"}, "月", {0});
             t.project.sheets[0].lines[0].voices[0] = "";
         },
         4, [](const WeekPlan& p) { EXPECT_TRUE(p.sheets.empty() && p.findings.empty() && p.days[0].empty()); }},
        {"single-sheet mode has no week",
         [](WeekPlanTest& t) {
             t.sheet(0, {"09:00", "10:00"}, "月", {0});
             t.settings.addFunction1 = 0;
         },
         4, [](const WeekPlan& p) { EXPECT_TRUE(!p.multiSheet && p.sheets.empty() && p.days[0].empty()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WeekPlanTest& t = *this;
        t.project = Project{};
        t.settings.addFunction1 = 1;
        t.soundMs = 2000;
        t.project.soundPresent = true;
        t.project.sounds[0].fileName = "A.WAV";
        t.project.sounds[0].sourcePath = sound.string();
        c.arrange(t);
        c.expect(t.plan(c.month));
    }
}

}  // namespace
}  // namespace vexa
