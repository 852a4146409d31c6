#pragma once
// What the header controls of the shown sheet hold (the memo grid, the volume
// and time lists, the weekday and season boxes) as a plain record, and the two
// transfers between it and a Sheet Header.
#include "core/document/Document.h"
#include "core/document/Edits.h"
#include "core/model/SheetHeader.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vexa {

inline constexpr int kWeekdayBoxes = 7;   // 月 … 日; weekday flag 7 has no box
inline constexpr int kSeasonBoxes = 13;   // 通年, 1月 … 12月; season flag 13 has no box

struct SheetHeaderControls {
    std::string name;  // memo grid cell (0, 1)
    std::string memo;  // memo grid cell (0, 3)
    // Position in the volume list. A loaded file may hold a value the list does
    // not have; it is kept as it is until the user picks an entry.
    std::int16_t volume = 0;
    // The texts of the four time lists; "" is the empty first entry. A text
    // that is no entry (only a loaded file holds one) is shown and kept as is.
    std::string startHour;
    std::string startMinute;
    std::string endHour;
    std::string endMinute;
    std::array<bool, kWeekdayBoxes> weekdays{};
    std::array<bool, kSeasonBoxes> seasons{};

    bool operator==(const SheetHeaderControls&) const = default;
};

// The entries of the lists, in order.
const std::vector<std::string>& VolumeEntries();  // "0" … "3"
const std::vector<std::string>& HourEntries();    // "", "00" … "23"
const std::vector<std::string>& MinuteEntries();  // "", "00" … "59"

// Controls → header. Weekday flag 7 and season flag 13 are left as they are.
void StoreHeader(const SheetHeaderControls& controls, SheetHeader& header);

// Header → controls.
SheetHeaderControls ShowHeader(const SheetHeader& header);

// The user changed a header control of sheet `sheet` (0 … 8): what the
// controls now show becomes one step of kind Header, Name or Memo. Nothing
// happens when the header already holds it.
void ApplyHeaderControls(Document& document, int sheet, const SheetHeaderControls& controls,
                         SheetEditKind kind);

}  // namespace vexa
