#include "core/card/CardDate.h"

#include <cstdio>

namespace vexa {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads 1 … maxDigits digits at `pos`; nullopt when there are none or more.
std::optional<int> digits(std::string_view text, std::size_t& pos, std::size_t minDigits, std::size_t maxDigits) {
    const std::size_t start = pos;
    int value = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    const std::size_t count = pos - start;
    if (count < minDigits || count > maxDigits)
        return std::nullopt;
    return value;
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<CardDate> ParseCardDate(std::string_view text) {
    const std::string_view date = trimmed(text);
    std::size_t pos = 0;
    const auto year = digits(date, pos, 4, 4);
    if (!year || pos >= date.size())
        return std::nullopt;
    const char separator = date[pos];
    if (separator != '/' && separator != '-' && separator != '.')
        return std::nullopt;
    ++pos;
    const auto month = digits(date, pos, 1, 2);
    if (!month || pos >= date.size() || date[pos] != separator)
        return std::nullopt;
    ++pos;
    const auto day = digits(date, pos, 1, 2);
    if (!day || pos != date.size())
        return std::nullopt;
    if (*year < 1000 || *month < 1 || *month > 12 || *day < 1 || *day > daysInMonth(*year, *month))
        return std::nullopt;
    return CardDate{*year, *month, *day};
}

std::string FormatCardDate(const CardDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", date.year, date.month, date.day);
    return text;
}

std::string NormalizeCardDate(std::string_view text) {
    const auto date = ParseCardDate(text);
    return date ? FormatCardDate(*date) : std::string(text);
}

}  // namespace vexa
