#include "core/print/PatternTimesReport.h"

#include <array>

namespace vexa::print {
namespace {

Section patternSection(const char* heading, const char* rowPrefix, const char* on, const char* off,
                       const std::array<PatternTime, 3>& patterns) {
    Table table{{{"", "", 14, Align::Left}, {"", on, 6, Align::Right}, {"", off, 6, Align::Right}}, {}, std::nullopt};
    constexpr std::array<const char*, 3> kLetters = {"A", "B", "C"};
    for (std::size_t p = 0; p < patterns.size(); ++p)
        table.rows.push_back({std::string(rowPrefix) + kLetters[p], patterns[p].on, patterns[p].off});
    Section section;
    section.heading = heading;
    section.table = std::move(table);
    return section;
}

}  // namespace

Report PatternTimesReport(const PatternTimes& patterns, const PrintTime& time) {
    return {ReportKind::PatternTimes,
            CommonPageHeader(time),
            {patternSection("［LED点滅パターン設定］", "点滅パターン", "点灯", "点滅", patterns.led),
             patternSection("［BUZZER 鳴動パターン設定］", "鳴動パターン", "ON", "OFF", patterns.buzzer)},
            false,
            true};
}

}  // namespace vexa::print
