#pragma once
// The header of a Program Sheet: name, memo, volume, time window, weekdays and
// seasons. A default header is a cleared header.
#include <array>
#include <cstdint>
#include <string>

namespace vexa {

// Index 0 Monday … 6 Sunday; index 7 has no control and keeps what a file gave.
inline constexpr int kWeekdayFlags = 8;
// Index 0 all year, 1 … 12 January … December; index 13 has no control.
inline constexpr int kSeasonFlags = 14;

struct SheetHeader {
    std::string name;
    std::string memo;
    std::int16_t volume = 0;  // position in the volume list, from 0
    std::string startHour;
    std::string startMinute;
    std::string endHour;
    std::string endMinute;
    std::array<std::int16_t, kWeekdayFlags> weekdays{};
    std::array<std::int16_t, kSeasonFlags> seasons{};

    // Empties what the windows edit; weekday flag 7 and season flag 13 stay.
    void clear();

    bool operator==(const SheetHeader&) const = default;
};

}  // namespace vexa
