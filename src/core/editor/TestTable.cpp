#include "core/editor/TestTable.h"

#include "core/editor/GridColumns.h"
#include "core/text/NumberFormat.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace vexa {
namespace {

bool holdsVoice(const std::string& cell) { return !cell.empty() && cell != " "; }

std::int16_t wholeNumber(const std::string& text) { return numfmt::toInt16(text).value_or(0); }

// An LED or BUZZER time: the cell's seconds when the type is not 0, else 0.
float outputTime(std::int16_t type, const std::string& text) {
    if (type == 0)
        return 0;
    return static_cast<float>(numfmt::parseNumber(text).value_or(0));
}

// The Sound Table by File name; the first entry of a name wins.
using SoundIndex = std::unordered_map<std::string_view, const SoundEntry*>;

SoundIndex indexOf(const std::vector<SoundEntry>& sounds) {
    SoundIndex index;
    index.reserve(sounds.size());
    for (const SoundEntry& entry : sounds)
        index.try_emplace(entry.fileName, &entry);
    return index;
}

std::filesystem::path sourcePath(const SoundIndex& sounds, const std::string& name) {
    const auto entry = sounds.find(name);
    return entry == sounds.end() ? std::filesystem::path() : std::filesystem::path(entry->second->sourcePath);
}

TestLine testLine(const ProgramLine& source, const SoundIndex& sounds, bool chosen) {
    TestLine line;
    for (int v = 0; v < kVoicesPerLine; ++v) {
        const std::string& name = source.voices[static_cast<std::size_t>(v)];
        if (!holdsVoice(name))
            continue;
        line.voices[static_cast<std::size_t>(v)] = {name, sourcePath(sounds, name)};
        line.hasVoices = true;
    }
    line.repeat = wholeNumber(source.repeat);
    line.ledType = wholeNumber(source.ledType);
    line.ledTime = outputTime(line.ledType, source.ledTime);
    line.buzzerType = wholeNumber(source.buzzerType);
    line.buzzerTime = outputTime(line.buzzerType, source.buzzerTime);
    line.active = chosen && (line.hasVoices || line.ledTime != 0 || line.buzzerTime != 0);
    return line;
}

}  // namespace

const TestLine& TestTable::line(int row) const {
    static const TestLine none;
    const int index = row - kGridHeaderRows;
    if (index < 0 || index >= static_cast<int>(lines_.size()))
        return none;
    return lines_[static_cast<std::size_t>(index)];
}

int TestTable::lastRow() const { return static_cast<int>(lines_.size()) + kGridHeaderRows - 1; }

bool TestTable::anyActive() const {
    return std::any_of(lines_.begin(), lines_.end(), [](const TestLine& l) { return l.active; });
}

int TestTable::nextActiveRow(int row) const {
    for (int r = std::max(row + 1, kGridHeaderRows); r <= lastRow(); ++r)
        if (line(r).active)
            return r;
    return 0;
}

TestTable BuildTestTable(std::span<const ProgramLine> lines, const std::vector<SoundEntry>& sounds, int row,
                         TestEntry entry) {
    const SoundIndex index = indexOf(sounds);
    std::vector<TestLine> table;
    table.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int gridRow = static_cast<int>(i) + kGridHeaderRows;
        table.push_back(testLine(lines[i], index, entry != TestEntry::Click || gridRow == row));
    }
    return TestTable(std::move(table));
}

}  // namespace vexa
