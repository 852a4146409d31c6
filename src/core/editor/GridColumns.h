#pragma once
// The 23 columns of the programme grid as a table: width, the two header
// texts, what a usable line holds there and the value a fresh line gets.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

namespace gridcol {
inline constexpr int kNumber = 0;         // "No.", line number
inline constexpr int kSoundPicture = 1;   // voice state picture
inline constexpr int kTime = 2;           // TIME, computed
inline constexpr int kSelect = 3;         // "S"
inline constexpr int kRepeat = 4;         // "R"
inline constexpr int kVoice1 = 5;
inline constexpr int kVoice8 = 12;
inline constexpr int kLedPicture = 13;
inline constexpr int kLedType = 14;
inline constexpr int kLedTime = 15;
inline constexpr int kBuzzerPicture = 16;
inline constexpr int kBuzzerType = 17;
inline constexpr int kBuzzerTime = 18;
inline constexpr int kEx1 = 19;
inline constexpr int kEx4 = 22;
inline constexpr int kCount = 23;
}  // namespace gridcol

inline constexpr int kGridHeaderRows = 2;      // rows 0 and 1; row r ≥ 2 is line r - 2
inline constexpr int kGridHeaderRowTwips = 300;
inline constexpr int kTwipsPerPixel = 15;

enum class ColumnKind {
    LineNumber,  // "01", "02", …
    Picture,     // a state picture, no text
    LineTime,    // TIME, never typed
    Choice,      // item number of an element list
    Voice,       // File name of a Sound Entry
    OutputTime,  // LED or BUZZER time, typed freely
};

struct GridColumn {
    int widthTwips;
    std::string_view top;     // header row 0 (equal neighbours merge)
    std::string_view bottom;  // header row 1
    ColumnKind kind;
    std::string_view setupValue;  // what a fresh usable line holds
    std::string_view elementKey;  // Choice columns: key of section Element
    int base;                     // Choice columns: number of the first item
};

const std::array<GridColumn, gridcol::kCount>& GridColumns();
const GridColumn& gridColumn(int col);  // col must be 0 … 22

inline bool isVoiceColumn(int col) { return col >= gridcol::kVoice1 && col <= gridcol::kVoice8; }
inline bool isPictureColumn(int col) {
    return col == gridcol::kSoundPicture || col == gridcol::kLedPicture || col == gridcol::kBuzzerPicture;
}

struct ProgramLine;
// The value of a Program Line that column `col` shows; nullptr for the line
// number and the picture columns.
std::string* LineFieldOf(ProgramLine& line, int col);
const std::string* LineFieldOf(const ProgramLine& line, int col);

// A run of adjacent columns with the same text in header row 0.
struct HeaderGroup {
    int first;
    int last;
    std::string_view text;

    bool operator==(const HeaderGroup&) const = default;
};

// The merged cells of header row 0, left to right.
std::vector<HeaderGroup> TopHeaderGroups();

inline constexpr int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }

}  // namespace vexa
