#include "core/model/SheetHeader.h"

namespace vexa {

void SheetHeader::clear() {
    name.clear();
    memo.clear();
    volume = 0;
    startHour.clear();
    startMinute.clear();
    endHour.clear();
    endMinute.clear();
    for (int i = 0; i < kWeekdayFlags - 1; ++i)
        weekdays[i] = 0;
    for (int i = 0; i < kSeasonFlags - 1; ++i)
        seasons[i] = 0;
}

}  // namespace vexa
