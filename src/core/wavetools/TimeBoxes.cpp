#include "core/wavetools/TimeBoxes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace vexa {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Two digits at least, halves rounded away from zero.
std::string twoDigits(double value) {
    constexpr double kLimit = 1e15;  // far beyond two digits, still exact
    char text[32];
    std::snprintf(text, sizeof text, "%02lld", std::llround(std::clamp(value, -kLimit, kLimit)));
    return text;
}

std::string spin(const std::string& text, int maximum, Spin direction) {
    if (text.empty())
        return "00";
    const auto value = TimeBoxNumber(text);
    if (!value)
        return text;
    if (direction == Spin::Up && *value < maximum)
        return twoDigits(*value + 1);
    if (direction == Spin::Down && *value > 0)
        return twoDigits(*value - 1);
    return text;
}

std::string filled(const std::string& text) { return text.empty() ? "00" : text; }

}  // namespace

bool TimeBoxKeyPasses(TimeBoxKey key) { return key != TimeBoxKey::OtherCharacter; }

std::optional<double> TimeBoxNumber(std::string_view text) {
    text = trimmed(text);
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    std::size_t digits = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos)
        ++digits;
    if (pos < text.size() && text[pos] == '.')
        for (++pos; pos < text.size() && isDigit(text[pos]); ++pos)
            ++digits;
    if (digits == 0 || pos != text.size())
        return std::nullopt;
    // from_chars takes no "+" and ignores the program's locale.
    const char* begin = text.data() + (text[0] == '+' ? 1 : 0);
    double value = 0;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string LeaveTimeBox(const std::string& text, int maximum) {
    const auto value = TimeBoxNumber(text);
    if (!value)
        return text;
    return twoDigits(std::clamp(*value, 0.0, static_cast<double>(maximum)));
}

TimeBoxes SpinMinutes(TimeBoxes boxes, Spin direction) {
    return {spin(boxes.minutes, kMinutesMax, direction), filled(boxes.seconds)};
}

TimeBoxes SpinSeconds(TimeBoxes boxes, Spin direction) {
    return {filled(boxes.minutes), spin(boxes.seconds, kSecondsMax, direction)};
}

std::optional<int> SilenceSeconds(const std::string& minutes, const std::string& seconds) {
    const auto m = TimeBoxNumber(minutes);
    const auto s = TimeBoxNumber(seconds);
    if (!m || !s)
        return std::nullopt;
    const double total = std::round(*m * 60 + *s);
    if (total < -1e9 || total > 1e9)
        return std::nullopt;
    return static_cast<int>(total);
}

}  // namespace vexa
