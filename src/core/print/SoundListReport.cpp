#include "core/print/SoundListReport.h"

#include "core/text/NumberFormat.h"

#include <cstdint>

namespace vexa::print {
namespace {

std::vector<Column> soundColumns() {
    return {{"", "", 3, Align::Right},           {"", "NAME", 12, Align::Left},  {"", "SampleRate", 10, Align::Right},
            {"", "BitRate", 7, Align::Right},    {"", "TYPE", 6, Align::Left},   {"", "SEC", 9, Align::Right},
            {"", "BYTES", 11, Align::Right},     {"", "COMENTS", 40, Align::Left}};
}

// A Length read as a number (its leading number when it is not wholly one).
double seconds(const std::string& length) {
    return numfmt::parseNumber(length).value_or(numfmt::leadingNumber(length));
}

// A Size read as a whole number of bytes.
std::int64_t bytes(const std::string& size) { return static_cast<std::int64_t>(numfmt::leadingNumber(size)); }

}  // namespace

Report SoundListReport(const Project& project, const PrintTime& time) {
    Table table{soundColumns(), {}, std::nullopt};
    double totalSeconds = 0;
    std::int64_t totalBytes = 0;
    for (std::size_t k = 0; k < project.sounds.size(); ++k) {
        if (!project.soundPresent) {
            table.rows.emplace_back(table.columns.size());
            continue;
        }
        const SoundEntry& e = project.sounds[k];
        table.rows.push_back({numfmt::format(static_cast<double>(k + 1), "000"), e.fileName, e.rate, e.bits,
                              e.channels, e.length, e.size, e.comment});
        totalSeconds += seconds(e.length);
        totalBytes += bytes(e.size);
    }
    table.totals = Row{"", "", "", "", "", numfmt::format(totalSeconds, "0.000"), std::to_string(totalBytes), ""};

    Section section;
    section.heading = "[Soundデータ登録情報]";
    section.table = std::move(table);
    return {ReportKind::SoundList, CommonPageHeader(time), {std::move(section)}, true, false};
}

}  // namespace vexa::print
