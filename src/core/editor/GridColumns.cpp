#include "core/editor/GridColumns.h"

#include "core/config/ElementPatternFile.h"
#include "core/model/ProgramLine.h"

namespace vexa {

const std::array<GridColumn, gridcol::kCount>& GridColumns() {
    using K = ColumnKind;
    static const std::array<GridColumn, gridcol::kCount> columns = {{
        {540, "", "No.", K::LineNumber, "", "", 0},
        {260, "SOUND", "", K::Picture, "", "", 0},
        {970, "SOUND", "TIME", K::LineTime, "0.0", "", 0},
        {450, "SOUND", "S", K::Choice, "1", element::kSelect, 1},
        {450, "SOUND", "R", K::Choice, "1", element::kRepeat, 1},
        {1510, "SOUND", " 1 ", K::Voice, "", "", 0},
        {1510, "SOUND", " 2 ", K::Voice, "", "", 0},
        {1510, "SOUND", " 3 ", K::Voice, "", "", 0},
        {1510, "SOUND", " 4 ", K::Voice, "", "", 0},
        {1510, "SOUND", " 5 ", K::Voice, "", "", 0},
        {1510, "SOUND", " 6 ", K::Voice, "", "", 0},
        {1510, "SOUND", " 7 ", K::Voice, "", "", 0},
        {1510, "SOUND", " 8 ", K::Voice, "", "", 0},
        {260, "LED", "", K::Picture, "", "", 0},
        {760, "LED", "TYPE", K::Choice, "0", element::kLedType, 0},
        {920, "LED", "TIME", K::OutputTime, "0.0", "", 0},
        {260, "BUZZER", "", K::Picture, "", "", 0},
        {760, "BUZZER", "TYPE", K::Choice, "0", element::kBuzzerType, 0},
        {920, "BUZZER", "TIME", K::OutputTime, "0.0", "", 0},
        {510, "EX", " 1 ", K::Choice, "0", element::kEx, 0},
        {510, "EX", " 2 ", K::Choice, "0", element::kEx, 0},
        {510, "EX", " 3 ", K::Choice, "0", element::kEx, 0},
        {510, "EX", " 4 ", K::Choice, "0", element::kEx, 0},
    }};
    return columns;
}

const GridColumn& gridColumn(int col) { return GridColumns().at(static_cast<std::size_t>(col)); }

std::string* LineFieldOf(ProgramLine& line, int col) {
    switch (col) {
    case gridcol::kTime: return &line.time;
    case gridcol::kSelect: return &line.select;
    case gridcol::kRepeat: return &line.repeat;
    case gridcol::kLedType: return &line.ledType;
    case gridcol::kLedTime: return &line.ledTime;
    case gridcol::kBuzzerType: return &line.buzzerType;
    case gridcol::kBuzzerTime: return &line.buzzerTime;
    default: break;
    }
    if (isVoiceColumn(col))
        return &line.voices[static_cast<std::size_t>(col - gridcol::kVoice1)];
    if (col >= gridcol::kEx1 && col <= gridcol::kEx4)
        return &line.ex[static_cast<std::size_t>(col - gridcol::kEx1)];
    return nullptr;  // the line number and the pictures
}

const std::string* LineFieldOf(const ProgramLine& line, int col) {
    return LineFieldOf(const_cast<ProgramLine&>(line), col);
}

std::vector<HeaderGroup> TopHeaderGroups() {
    std::vector<HeaderGroup> groups;
    const auto& columns = GridColumns();
    for (int c = 0; c < gridcol::kCount; ++c) {
        const std::string_view text = columns[static_cast<std::size_t>(c)].top;
        if (!groups.empty() && groups.back().text == text)
            groups.back().last = c;
        else
            groups.push_back({c, c, text});
    }
    return groups;
}

}  // namespace vexa
