#include "core/print/EditorSheetReport.h"

#include "core/card/CardFolder.h"
#include "core/text/NumberFormat.h"

#include <array>

namespace vexa::print {
namespace {

constexpr std::array<const char*, 7> kWeekdayCaptions = {"月", "火", "水", "木", "金", "土", "日"};
constexpr int kSeasonMarks = 13;  // all year, January … December

std::string twoDigitNumber(std::string_view text) {
    const auto value = numfmt::parseNumber(text);
    return value ? numfmt::format(*value, "00") : std::string(text);
}

std::vector<Column> lineColumns() {
    std::vector<Column> columns = {
        {"", "NO", 4, Align::Right},  // "255" whole
        {"LED", "TYPE", 8, Align::Left},
        {"LED", "TIME", 5, Align::Right},
        {"SOUND", "TIME", 6, Align::Right},
    };
    for (int v = 1; v <= kVoicesPerLine; ++v)
        columns.push_back({"SOUND", std::to_string(v), 11, Align::Left});
    columns.push_back({"SOUND", "S", 2, Align::Right});
    columns.push_back({"SOUND", "R", 2, Align::Right});
    columns.push_back({"BUZZER", "TYPE", 8, Align::Left});
    columns.push_back({"BUZZER", "TIME", 5, Align::Right});
    for (int x = 1; x <= kExPerLine; ++x)
        columns.push_back({"EX", std::to_string(x), 4, Align::Center});
    return columns;
}

Row lineRow(const ProgramLine& line, int number, const ElementPatternFile& elements) {
    Row row = {numfmt::format(number, "00"), elements.name(element::kLedType, line.ledType), line.ledTime, line.time};
    row.insert(row.end(), line.voices.begin(), line.voices.end());
    row.push_back(line.select);
    row.push_back(line.repeat);
    row.push_back(elements.name(element::kBuzzerType, line.buzzerType));
    row.push_back(line.buzzerTime);
    for (const std::string& ex : line.ex)
        row.push_back(elements.name(element::kEx, ex));
    return row;
}

Section headerSection(const SheetHeader& header) {
    Section section;
    section.fields = {
        {"名称･内容", header.name},
        {"メモ", header.memo},
        {"音量レベル", VolumeText(header.volume)},
        {"時間帯", "開始 " + ClockText(header.startHour, header.startMinute) + "　終了 " +
                       ClockText(header.endHour, header.endMinute)},
    };
    CheckRow weekdays{"曜日", {}};
    for (std::size_t d = 0; d < kWeekdayCaptions.size(); ++d)
        weekdays.marks.push_back({kWeekdayCaptions[d], header.weekdays[d] != 0});
    CheckRow seasons{"シーズン管理", {}};
    for (int s = 0; s < kSeasonMarks; ++s)
        seasons.marks.push_back({s == 0 ? std::string("通年") : std::to_string(s) + "月",
                                 header.seasons[static_cast<std::size_t>(s)] != 0});
    section.checks = {std::move(weekdays), std::move(seasons)};
    return section;
}

}  // namespace

std::string VolumeText(int volume) {
    constexpr std::array<const char*, 4> kVolumes = {"放送停止", "大", "中", "小"};
    return volume >= 0 && volume < static_cast<int>(kVolumes.size()) ? kVolumes[static_cast<std::size_t>(volume)]
                                                                       : "";
}

std::string ClockText(std::string_view hour, std::string_view minute) {
    if (hour.empty() && minute.empty())
        return {};
    return twoDigitNumber(hour) + "時" + twoDigitNumber(minute) + "分";
}

std::string ControlFileLocation(const Settings& settings, const CardInformation& card) {
    if (card.cardName.empty() || card.folder.empty())
        return {};
    return (CardFolderPath(settings.cardPath, card.folder) / ControlFileName(card.cardName)).string();
}

Report EditorSheetReport(const Project& project, const Settings& settings, const ElementPatternFile& elements,
                         int sheet, const PrintTime& time) {
    Report report;
    report.kind = ReportKind::EditorSheet;
    report.header = CommonPageHeader(time);
    report.header.folder = Field{"［格納フォルダ］", ControlFileLocation(settings, project.card)};
    report.pageNumbers = true;

    const ProgramSheet& source = project.sheets[static_cast<std::size_t>(sheet)];
    if (settings.multiSheet())
        report.sections.push_back(headerSection(source.header));

    Table table{lineColumns(), {}, std::nullopt};
    const int lineCount = usableLineCount(settings.lineCount());
    for (int n = 0; n < lineCount; ++n)
        table.rows.push_back(lineRow(source.lines[static_cast<std::size_t>(n)], n + 1, elements));
    Section lines;
    lines.table = std::move(table);
    report.sections.push_back(std::move(lines));
    return report;
}

}  // namespace vexa::print
