// What the five print-outs say: the job's reports for each sheet mode, the
// editor rows up to the Line Count, the sheet header texts, the sound list
// totals, the capacity text and the page header.
#include "TestPaths.h"
#include "core/print/ControlDataReport.h"
#include "core/print/EditorSheetReport.h"
#include "core/print/PatternTimesReport.h"
#include "core/print/PrintJob.h"
#include "core/print/SoundListReport.h"
#include "core/print/UserInformationReport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vexa::print {
namespace {

using ::testing::ElementsAre;

const PrintTime kTime{2024, 3, 9, 8, 5, 7};
constexpr PrintChoices kAll = {true, true, true, true, true};

ElementPatternFile elements() { return ElementPatternFile::load(test::programFolder() / "elmptnvxa.elm"); }

Configuration configuration(bool multiSheet, int lineCount) {
    Configuration c;
    c.settings.maxLine = static_cast<std::int16_t>(lineCount);
    c.settings.addFunction1 = multiSheet ? 1 : 0;
    c.settings.cardPath = "/srv/cards";
    return c;
}

const Table& tableOf(const Report& report) { return *report.sections.back().table; }

std::string fieldValue(const Section& section, const std::string& label) {
    for (const Field& f : section.fields)
        if (f.label == label)
            return f.value;
    ADD_FAILURE() << "no field " << label;
    return {};
}

std::vector<bool> marks(const CheckRow& row) {
    std::vector<bool> checked;
    for (const CheckMark& m : row.marks)
        checked.push_back(m.checked);
    return checked;
}

TEST(PrintJob, ChosenReportsComeInBoxOrderWithOneEditorSheetPerPrintedSheet) {
    const struct {
        bool multiSheet;
        PrintChoices choices;
        std::vector<ReportKind> kinds;
        bool headerSection;
    } cases[] = {
        {false, kAll,
         {ReportKind::EditorSheet, ReportKind::ControlData, ReportKind::PatternTimes, ReportKind::SoundList,
          ReportKind::UserInformation},
         false},
        {true, {true, false, false, false, true},
         {ReportKind::EditorSheet, ReportKind::EditorSheet, ReportKind::EditorSheet, ReportKind::EditorSheet,
          ReportKind::EditorSheet, ReportKind::EditorSheet, ReportKind::EditorSheet, ReportKind::EditorSheet,
          ReportKind::UserInformation},
         true},
        {true, {false, false, false, true, false}, {ReportKind::SoundList}, false},
        {false, {}, {}, false},
    };
    Project project;
    for (int s = 0; s < kSheetCount; ++s)
        project.sheets[static_cast<std::size_t>(s)].header.name = "番組" + std::to_string(s);
    for (const auto& c : cases) {
        SCOPED_TRACE(PrtSheetText(c.choices) + (c.multiSheet ? " multi" : " single"));
        const auto reports = BuildPrintJob(project, configuration(c.multiSheet, 3), elements(), c.choices, kTime);
        std::vector<ReportKind> kinds;
        for (const Report& r : reports)
            kinds.push_back(r.kind);
        EXPECT_EQ(kinds, c.kinds);
        int sheet = 0;
        for (const Report& r : reports) {
            if (r.kind != ReportKind::EditorSheet)
                continue;
            // The header section comes before the lines in Multi-sheet mode only.
            ASSERT_EQ(r.sections.size(), c.headerSection ? 2u : 1u);
            if (c.headerSection) {
                EXPECT_EQ(fieldValue(r.sections[0], "名称･内容"), "番組" + std::to_string(sheet));
            }
            ++sheet;
        }
    }
}

TEST(EditorSheetReport, ListsEveryLineUpToTheLineCountUnderItsHeadings) {
    Project project;
    ProgramLine& line = project.sheets[2].lines[1];
    line.voices[0] = "CHIME.WAV";
    line.voices[1] = "OPEN.WAV";
    line.ledType = "2";
    line.ledTime = "3.5";
    line.buzzerType = "4";
    line.buzzerTime = "1.0";
    line.time = "4.2";
    line.select = "2";
    line.repeat = "3";
    line.ex = {"1", "0", "1", "7"};
    project.sheets[2].lines[5].voices[0] = "BEYOND.WAV";  // past the Line Count

    const Report report = EditorSheetReport(project, configuration(true, 5).settings, elements(), 2, kTime);
    const Table& table = tableOf(report);
    std::vector<std::string> headings, groups;
    for (const Column& c : table.columns) {
        headings.push_back(c.heading);
        groups.push_back(c.group);
    }
    EXPECT_THAT(headings, ElementsAre("NO", "TYPE", "TIME", "TIME", "1", "2", "3", "4", "5", "6", "7", "8", "S",
                                      "R", "TYPE", "TIME", "1", "2", "3", "4"));
    EXPECT_THAT(groups, ElementsAre("", "LED", "LED", "SOUND", "SOUND", "SOUND", "SOUND", "SOUND", "SOUND", "SOUND",
                                    "SOUND", "SOUND", "SOUND", "SOUND", "BUZZER", "BUZZER", "EX", "EX", "EX", "EX"));
    ASSERT_EQ(table.rows.size(), 5u);
    EXPECT_EQ(table.rows[1], (Row{"02", "パターンA", "3.5", "4.2", "CHIME.WAV", "OPEN.WAV", "", "", "", "", "", "",
                                  "2", "3", "パターンC", "1.0", "ON", "OFF", "ON", ""}));
    // An unused line prints as the grid holds it.
    EXPECT_EQ(table.rows[4], (Row{"05", "なし", "0.0", "0.0", "", "", "", "", "", "", "", "", "1", "1", "なし", "0.0",
                                  "OFF", "OFF", "OFF", "OFF"}));
    EXPECT_TRUE(report.pageNumbers);
}

TEST(EditorSheetReport, SheetHeaderSectionTexts) {
    Project project;
    SheetHeader& header = project.sheets[0].header;
    header.memo = "朝の放送";
    header.volume = 2;
    header.startHour = "8";
    header.startMinute = "5";
    header.endHour = "17";
    header.endMinute = "30";
    header.weekdays = {1, 0, 1, 0, 0, 0, -1, 1};  // flag 7 has no mark
    header.seasons[0] = 1;
    header.seasons[12] = 1;
    header.seasons[13] = 1;

    const Section section = EditorSheetReport(project, configuration(true, 1).settings, elements(), 0, kTime).sections[0];
    EXPECT_EQ(fieldValue(section, "メモ"), "朝の放送");
    EXPECT_EQ(fieldValue(section, "音量レベル"), "中");
    EXPECT_EQ(fieldValue(section, "時間帯"), "開始 08時05分　終了 17時30分");
    ASSERT_EQ(section.checks.size(), 2u);
    EXPECT_EQ(section.checks[0].label, "曜日");
    EXPECT_EQ(marks(section.checks[0]), (std::vector<bool>{true, false, true, false, false, false, true}));
    EXPECT_EQ(section.checks[1].label, "シーズン管理");
    EXPECT_EQ(section.checks[1].marks.front().caption, "通年");
    EXPECT_EQ(section.checks[1].marks.back().caption, "12月");
    EXPECT_EQ(marks(section.checks[1]),
              (std::vector<bool>{true, false, false, false, false, false, false, false, false, false, false, false,
                                 true}));
}

TEST(EditorSheetReport, VolumeAndClockTexts) {
    EXPECT_EQ(VolumeText(0), "放送停止");
    EXPECT_EQ(VolumeText(1), "大");
    EXPECT_EQ(VolumeText(3), "小");
    EXPECT_EQ(VolumeText(4), "");
    EXPECT_EQ(VolumeText(-1), "");
    const struct {
        const char* hour;
        const char* minute;
        const char* text;
    } clocks[] = {{"8", "5", "08時05分"}, {"23", "59", "23時59分"}, {"0", "0", "00時00分"},
                  {"", "", ""},          {"8", "", "08時分"},      {"x", "05", "x時05分"}};
    for (const auto& c : clocks)
        EXPECT_EQ(ClockText(c.hour, c.minute), c.text) << c.hour << ":" << c.minute;
}

TEST(EditorSheetReport, FolderLineHoldsThePathOnlyWhenCardNameAndFolderAreSet) {
    const struct {
        const char* cardName;
        const char* folder;
        const char* path;
    } cases[] = {{"PROG", "SHOP1", "/srv/cards/SHOP1/PROG.vxa"}, {"", "SHOP1", ""}, {"PROG", "", ""}};
    for (const auto& c : cases) {
        Project project;
        project.card.cardName = c.cardName;
        project.card.folder = c.folder;
        const Report report = EditorSheetReport(project, configuration(false, 1).settings, elements(), 0, kTime);
        ASSERT_TRUE(report.header.folder);
        EXPECT_EQ(report.header.folder->label, "［格納フォルダ］");
        EXPECT_EQ(report.header.folder->value, c.path) << c.cardName << "|" << c.folder;
    }
}

TEST(SoundListReport, RowsNumberedInTableOrderAndTotals) {
    Project project;
    project.soundPresent = true;
    project.sounds = {{"CHIME.WAV", "22.05KHz", "16bit", "Mono", "1.500", "66194", "/s/CHIME.WAV", "チャイム"},
                      {"OPEN.WAV", "8KHz", "8bit", "Mono", "2.25", "18044", "/s/OPEN.WAV", ""},
                      {"BAD.WAV", "", "", "", "x", "", "/s/BAD.WAV", ""}};
    const Report report = SoundListReport(project, kTime);
    EXPECT_EQ(report.sections[0].heading, "[Soundデータ登録情報]");
    const Table& table = tableOf(report);
    std::vector<std::string> headings;
    for (const Column& c : table.columns)
        headings.push_back(c.heading);
    EXPECT_THAT(headings, ElementsAre("", "NAME", "SampleRate", "BitRate", "TYPE", "SEC", "BYTES", "COMENTS"));
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0], (Row{"001", "CHIME.WAV", "22.05KHz", "16bit", "Mono", "1.500", "66194", "チャイム"}));
    EXPECT_EQ(table.rows[2][0], "003");
    ASSERT_TRUE(table.totals);
    EXPECT_EQ((*table.totals)[5], "3.750");
    EXPECT_EQ((*table.totals)[6], "84238");
    EXPECT_TRUE(report.pageNumbers);
}

TEST(SoundListReport, WithoutSoundsTheFieldsAreEmptyAndTheTotalsZero) {
    Project project;  // one empty slot, Sound Present off
    const Report report = SoundListReport(project, kTime);
    const Table& table = tableOf(report);
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0], Row(8));
    EXPECT_EQ((*table.totals)[5], "0.000");
    EXPECT_EQ((*table.totals)[6], "0");

    // New keeps the entries but clears the flag: they print empty too.
    project.sounds = {{"A.WAV", "8KHz", "8bit", "Mono", "1.0", "100", "/a", ""}};
    const Report keptReport = SoundListReport(project, kTime);
    const Table& kept = tableOf(keptReport);
    EXPECT_EQ(kept.rows[0], Row(8));
    EXPECT_EQ((*kept.totals)[5], "0.000");
}

TEST(ControlDataReport, CardInformationWithTheCapacityTextAndTheDate) {
    CardInformation card;
    card.title = "VX-95";
    card.cardType = "CF";
    card.cardName = "PROG";
    card.prgDate = "2004/7/1";
    card.memo2 = "二行目";
    const struct {
        const char* stored;
        const char* text;
    } sizes[] = {{"0", "32MB"}, {"5", "1GB"}, {"7", "OVER"}, {"", ""}};
    for (const auto& s : sizes) {
        card.cardSize = s.stored;
        const Report report = ControlDataReport(card, kTime);
        const Section& section = report.sections[0];
        EXPECT_EQ(fieldValue(section, "使用カード容量"), s.text) << s.stored;
        EXPECT_EQ(section.heading, "［コントロールデータ作成情報］");
        EXPECT_THAT(section.lines, ElementsAre("VX-95"));
        EXPECT_EQ(fieldValue(section, "使用カード型式"), "CF");
        EXPECT_EQ(fieldValue(section, "コントロールファイル名"), "PROG");
        EXPECT_EQ(fieldValue(section, "作成日"), "2004/07/01");
        EXPECT_EQ(fieldValue(section, "コメント②"), "二行目");
        EXPECT_TRUE(report.onePage);
    }
    card.prgDate = "昨日";  // not a date: as held
    EXPECT_EQ(fieldValue(ControlDataReport(card, kTime).sections[0], "作成日"), "昨日");
}

TEST(PatternTimesReport, TwelveTimesAsHeld) {
    PatternTimes patterns;
    patterns.led = {{{"0.5", "0.5"}, {"1.0", "1.0"}, {"0.2", "0.8"}}};
    patterns.buzzer = {{{"0.3", "0.7"}, {"", "x"}, {"9.9", "0.1"}}};
    const Report report = PatternTimesReport(patterns, kTime);
    ASSERT_EQ(report.sections.size(), 2u);
    EXPECT_EQ(report.sections[0].heading, "［LED点滅パターン設定］");
    EXPECT_EQ(report.sections[0].table->columns[1].heading, "点灯");
    EXPECT_EQ(report.sections[0].table->columns[2].heading, "点滅");
    EXPECT_EQ(report.sections[0].table->rows[2], (Row{"点滅パターンC", "0.2", "0.8"}));
    EXPECT_EQ(report.sections[1].heading, "［BUZZER 鳴動パターン設定］");
    EXPECT_EQ(report.sections[1].table->columns[1].heading, "ON");
    EXPECT_EQ(report.sections[1].table->rows[1], (Row{"鳴動パターンB", "", "x"}));
}

TEST(UserInformationReport, ElevenLabelledTexts) {
    UserInformation user;
    for (std::size_t k = 0; k < user.values.size(); ++k)
        user.values[k] = "v" + std::to_string(k);
    const Section section = UserInformationReport(user, kTime).sections[0];
    EXPECT_EQ(section.heading, "［ユーザー情報］");
    ASSERT_EQ(section.fields.size(), 11u);
    EXPECT_EQ(section.fields[0], (Field{"会社名", "v0"}));
    EXPECT_EQ(section.fields[2], (Field{"氏　名", "v2"}));
    EXPECT_EQ(section.fields[8], (Field{"e-Mail", "v8"}));
    EXPECT_EQ(section.fields[10], (Field{"導入日付", "v10"}));
}

TEST(PageHeader, TitleDateTimeAndPageNumbers) {
    const PageHeader header = CommonPageHeader(kTime);
    EXPECT_EQ(header.title, "Chimewell  Vexa Editor");
    EXPECT_EQ(header.date, "2024/03/09");
    EXPECT_EQ(header.time, "08:05:07");
    EXPECT_EQ(PrintDateText({2025, 12, 31, 23, 59, 59}), "2025/12/31");
    EXPECT_EQ(PrintTimeText({2025, 12, 31, 23, 59, 59}), "23:59:59");
    EXPECT_EQ(PageNumberText(1, 2), "Page[1/2]");
    EXPECT_EQ(PageNumberText(12, 12), "Page[12/12]");
}

}  // namespace
}  // namespace vexa::print
