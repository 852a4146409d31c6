#pragma once
// The creation date of the card description: which texts count as a date and
// the "yyyy/mm/dd" form the date box shows once it is left.
#include <optional>
#include <string>
#include <string_view>

namespace vexa {

struct CardDate {
    int year = 0;
    int month = 0;
    int day = 0;

    bool operator==(const CardDate&) const = default;
};

// A calendar date written as year, month and day with "/" (or "-" or ".",
// the same one twice) between them: a four-digit year, a one- or two-digit
// month and day, blanks around the whole allowed ("2004/7/1", "2004-07-01").
// nullopt for anything else, for impossible days (2003/2/29) included.
std::optional<CardDate> ParseCardDate(std::string_view text);

// The date as "yyyy/mm/dd".
std::string FormatCardDate(const CardDate& date);

// What the date box holds after it loses the focus: a valid date rewritten as
// "yyyy/mm/dd", any other text unchanged.
std::string NormalizeCardDate(std::string_view text);

}  // namespace vexa
