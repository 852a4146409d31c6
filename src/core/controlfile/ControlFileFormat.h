#pragma once
// What the writer and the reader of the Control File share: the fixed header
// lines and the order in which the card description is carried.
#include "core/model/CardInformation.h"

#include <array>
#include <string>

namespace vexa::controlfile {

inline constexpr std::array<const char*, 5> kHeaderLines = {
    "Vexa Editor", "Chimewell Assist", "VXA CE-2.0J", "200809", "3-290714-360101"};

// The Card Information lines after "#1", in file order.
inline constexpr std::array<std::string CardInformation::*, 17> kCardLines = {
    &CardInformation::title,   &CardInformation::cardName,       &CardInformation::folder,
    &CardInformation::reservedNumber, &CardInformation::reservedText, &CardInformation::cardType,
    &CardInformation::cardSize, &CardInformation::in,            &CardInformation::out,
    &CardInformation::voice,   &CardInformation::buzzer,         &CardInformation::ex,
    &CardInformation::prgCorp, &CardInformation::prgMake,        &CardInformation::prgDate,
    &CardInformation::memo1,   &CardInformation::memo2};

// The lines the reduced ("wpj") form carries, by line number; the rest are ignored.
struct ReducedCardLine {
    int line;
    std::string CardInformation::*value;
};
inline constexpr std::array<ReducedCardLine, 4> kReducedCardLines = {{
    {0, &CardInformation::cardName},
    {1, &CardInformation::folder},
    {13, &CardInformation::prgCorp},
    {14, &CardInformation::prgMake},
}};

// Sheet numbers as the markers write them: "00" … "07".
inline std::string sheetCode(int sheet) {
    return std::string(1, static_cast<char>('0' + sheet / 10)) + static_cast<char>('0' + sheet % 10);
}

}  // namespace vexa::controlfile
