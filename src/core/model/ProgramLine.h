#pragma once
// One Program Line of a sheet: what a line of the programme grid holds, every
// value as the text the grid shows. A default line is a cleared line.
#include <array>
#include <string>

namespace vexa {

inline constexpr int kVoicesPerLine = 8;
inline constexpr int kExPerLine = 4;

struct ProgramLine {
    std::string select = "1";
    std::string repeat = "1";
    std::string ledType = "0";     // item number of the LedType list
    std::string ledTime = "0.0";   // seconds, one decimal
    std::string buzzerType = "0";  // item number of the BuzzerType list
    std::string buzzerTime = "0.0";
    std::array<std::string, kVoicesPerLine> voices;  // File names of Sound Entries, or ""
    std::string time = "0.0";  // the computed play time of the line, seconds
    std::array<std::string, kExPerLine> ex = {"0", "0", "0", "0"};

    // A line is in use when Voice 1 is neither empty nor a single space.
    bool inUse() const { return !voices[0].empty() && voices[0] != " "; }

    bool operator==(const ProgramLine&) const = default;
};

}  // namespace vexa
