#pragma once
// The moment a print-out is made, as the page header shows it.
#include "core/print/Report.h"

#include <ctime>
#include <string>

namespace vexa::print {

struct PrintTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const PrintTime&) const = default;
};

// The local time now.
PrintTime PrintTimeNow();
PrintTime PrintTimeOf(std::time_t moment);

std::string PrintDateText(const PrintTime& time);  // "2024/03/09"
std::string PrintTimeText(const PrintTime& time);  // "08:05:00"

// The header every report shares: the title, the date and the time.
PageHeader CommonPageHeader(const PrintTime& time);

}  // namespace vexa::print
