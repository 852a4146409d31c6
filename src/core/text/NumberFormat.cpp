#include "core/text/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vexa::numfmt {
namespace {

// 10^0 … 10^15, all exact doubles.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view t) {
    while (!t.empty() && isBlank(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && isBlank(t.back()))
        t.remove_suffix(1);
    return t;
}

// Length of the number syntax at the start of `t` (sign, digits, one point,
// exponent), 0 when no digit is found.
std::size_t numberPrefixLength(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < t.size() && isDigit(t[i]))
        ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            ++j;
        std::size_t expDigits = 0;
        while (j < t.size() && isDigit(t[j]))
            ++j, ++expDigits;
        if (expDigits > 0)
            i = j;
    }
    return i;
}

// A number without exponent and with at most 15 digits, which most texts
// are: its digits as a whole number and the power of ten it is divided by
// are both exact doubles, so the one division rounds as strtod does.
std::optional<double> plainDecimal(std::string_view t) {
    const bool negative = !t.empty() && t.front() == '-';
    if (!t.empty() && (t.front() == '-' || t.front() == '+'))
        t.remove_prefix(1);
    std::int64_t digits = 0;
    int count = 0;
    int decimals = -1;  // none until the point
    for (const char c : t) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (!isDigit(c) || ++count > 15)
            return std::nullopt;
        digits = digits * 10 + (c - '0');
        decimals += decimals >= 0 ? 1 : 0;
    }
    const double value = static_cast<double>(digits) / kPowersOfTen[std::max(decimals, 0)];
    return negative ? -value : value;
}

// `t` has the syntax numberPrefixLength accepts. from_chars reads it as
// strtod does, correctly rounded, but takes no "+" and reports out of range
// where strtod gives ±HUGE_VAL, 0 or a subnormal: those few go to strtod.
double toDouble(std::string_view t) {
    if (const auto plain = plainDecimal(t))
        return *plain;
    const std::string_view unsignedOrMinus = !t.empty() && t.front() == '+' ? t.substr(1) : t;
    const char* const end = unsignedOrMinus.data() + unsignedOrMinus.size();
    double value = 0;
    const auto result = std::from_chars(unsignedOrMinus.data(), end, value);
    if (result.ec == std::errc() && result.ptr == end)
        return value;
    const std::string copy(t);
    return std::strtod(copy.c_str(), nullptr);
}

// The 15 significant digits of a finite value ≥ 0 as "%.14e" gives them, and
// the power of ten of the first one.
struct Digits15 {
    std::string mantissa;
    int exponent = 0;
};

// Adds one in the 15th digit, carrying into a new power of ten when all are 9.
void addOneInLastDigit(Digits15& d) {
    auto i = d.mantissa.size();
    while (i > 0 && d.mantissa[i - 1] == '9')
        d.mantissa[--i] = '0';
    if (i > 0) {
        ++d.mantissa[i - 1];
        return;
    }
    d.mantissa.insert(0, 1, '1');
    d.mantissa.pop_back();
    ++d.exponent;
}

// Reads to_chars' scientific form "d[.ddd]e±XX" into `out`, padding the digits
// with zeros to 15. More digits are rounded to 15 when that is safe for the
// shortest form, which lies within half a unit in the last place of the value:
// less than 12 units of its 17th digit. So its 16th and 17th digits round the
// way the value's do unless they are within that of a half; false then.
bool readScientific(const char* text, const char* end, Digits15& out) {
    const char* e = std::find(text, end, 'e');
    out.mantissa.assign(1, text[0]);
    if (e - text > 2)
        out.mantissa.append(text + 2, e);
    std::from_chars(e + 2, end, out.exponent);
    if (e[1] == '-')
        out.exponent = -out.exponent;
    if (out.mantissa.size() > 15) {
        out.mantissa.resize(17, '0');
        const int tail = (out.mantissa[15] - '0') * 10 + (out.mantissa[16] - '0');
        if (tail > 38 && tail < 62)
            return false;
        out.mantissa.resize(15);
        if (tail >= 62)
            addOneInLastDigit(out);
    }
    out.mantissa.resize(15, '0');
    return true;
}

Digits15 digits15(double magnitude) {
    Digits15 d;
    char buf[32];
    // The shortest form that reads back as the value. With at most 15 digits
    // it is also the value rounded to 15 digits, as 15-digit decimals lie
    // farther apart than normal doubles do: padded, it is the "%.14e" form.
    // Longer ones are rounded to 15 digits where readScientific finds that safe.
    if (magnitude == 0 || magnitude >= std::numeric_limits<double>::min()) {
        const char* end = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific).ptr;
        if (readScientific(buf, end, d))
            return d;
    }
    // Near a half, and among the sparse subnormals, the value itself is
    // rounded, the slow way, as printf would.
    const char* end = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14).ptr;
    readScientific(buf, end, d);
    return d;
}

// The decimal digits of |value| rounded half away from zero to `decimals`
// places, taken from its 15-significant-digit form.
struct Decimal {
    bool negative = false;     // false for a value that rounds to zero: no "-0.0"
    std::string digits;        // at least `decimals`; the last `decimals` are the fraction
    std::size_t integer = 0;   // digits before the fraction, leading zeros not counted
};

// The digits of a finite value ≥ 0 down to position -decimals, rounded half
// up on its 15-digit form.
std::string roundedDigits(double magnitude, int decimals) {
    const auto [mantissa, exponent] = digits15(magnitude);
    // digits of mantissa stand for positions exponent, exponent-1, ...
    // Keep digits down to position -decimals.
    const int keep = exponent + 1 + decimals;  // number of mantissa digits kept
    std::string digits;
    if (keep > 0) {
        digits.assign(mantissa, 0, static_cast<std::size_t>(std::min<int>(keep, 15)));
        if (keep > 15)
            digits.append(static_cast<std::size_t>(keep - 15), '0');
        const bool roundUp = keep < 15 && mantissa[static_cast<std::size_t>(keep)] >= '5';
        if (roundUp) {
            int i = static_cast<int>(digits.size()) - 1;
            while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
                digits[static_cast<std::size_t>(i--)] = '0';
            if (i < 0)
                digits.insert(digits.begin(), '1');
            else
                ++digits[static_cast<std::size_t>(i)];
        }
    } else if (keep == 0 && mantissa[0] >= '5') {
        digits.assign(1, '1');
    }
    return digits;
}

// The same for a value that reads back from a decimal k / 10^places of at
// most 15 digits (places = `decimals`, at least 3), as whole numbers and
// most times do. That decimal is then its 15-digit form, so whole-number
// arithmetic on k rounds it; nullopt for any other value.
std::optional<std::string> shortDecimalDigits(double magnitude, int decimals) {
    const int places = std::max(decimals, 3);
    if (places > 15 || !(magnitude < kPowersOfTen[15 - places]))
        return std::nullopt;
    const double scaled = std::nearbyint(magnitude * kPowersOfTen[places]);
    if (scaled / kPowersOfTen[places] != magnitude)
        return std::nullopt;
    const auto k = static_cast<std::int64_t>(scaled);
    const auto dropped = static_cast<std::int64_t>(kPowersOfTen[places - decimals]);
    const std::int64_t rounded = k / dropped + (k % dropped >= (dropped + 1) / 2 ? 1 : 0);
    char buf[24];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, rounded).ptr);
}

Decimal roundDecimal(double value, int decimals) {
    Decimal d;
    const double magnitude = std::fabs(value);
    auto shortDigits = shortDecimalDigits(magnitude, decimals);
    d.digits = shortDigits ? std::move(*shortDigits) : roundedDigits(magnitude, decimals);
    std::string& digits = d.digits;
    if (digits.size() < static_cast<std::size_t>(decimals))
        digits.insert(0, static_cast<std::size_t>(decimals) - digits.size(), '0');
    const std::size_t split = digits.size() - static_cast<std::size_t>(decimals);
    const std::size_t firstNonZero = std::min(digits.find_first_not_of('0'), digits.size());
    d.integer = split - std::min(firstNonZero, split);
    d.negative = std::signbit(value) && firstNonZero < digits.size();
    return d;
}

std::string nonFinite(double value) {
    char buf[8];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
    const std::string_view t = trimBlanks(text);
    const std::size_t n = numberPrefixLength(t);
    if (n == 0 || n != t.size())
        return std::nullopt;
    const double v = toDouble(t);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

double leadingNumber(std::string_view text) {
    std::string_view t = text;
    while (!t.empty() && isBlank(t.front()))
        t.remove_prefix(1);
    const std::size_t n = numberPrefixLength(t);
    if (n == 0)
        return 0.0;
    const double v = toDouble(t.substr(0, n));
    return std::isfinite(v) ? v : 0.0;
}

std::string format(double value, std::string_view pattern) {
    if (!std::isfinite(value))  // no digits to round: "inf", "-inf" or "nan"
        return nonFinite(value);
    const auto point = pattern.find('.');
    const std::string_view intPattern = pattern.substr(0, point);
    const std::string_view fracPattern =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);

    const Decimal d = roundDecimal(value, static_cast<int>(fracPattern.size()));
    const std::string_view digits = d.digits;
    const std::size_t split = digits.size() - fracPattern.size();

    // Integer part: at least as many digits as the pattern has "0"s.
    std::size_t minInt = 0;
    for (char c : intPattern)
        minInt += c == '0' ? 1 : 0;

    // Fraction: "0" places always shown, trailing "#" places dropped when zero.
    std::size_t minFrac = 0;
    for (std::size_t i = 0; i < fracPattern.size(); ++i)
        if (fracPattern[i] == '0')
            minFrac = i + 1;
    std::size_t fraction = fracPattern.size();
    while (fraction > minFrac && digits[split + fraction - 1] == '0')
        --fraction;

    std::string out;
    out.reserve(1 + std::max(d.integer, minInt) + 1 + fraction);
    if (d.negative)
        out += '-';
    if (d.integer < minInt)
        out.append(minInt - d.integer, '0');
    out += digits.substr(split - d.integer, d.integer);
    if (point != std::string_view::npos) {
        out += '.';
        out += digits.substr(split, fraction);
    }
    return out;
}

double roundHalfEven(double value) { return std::nearbyint(value); }

std::optional<std::int16_t> toInt16(std::string_view text) {
    const auto v = parseNumber(text);
    if (!v)
        return std::nullopt;
    const double r = roundHalfEven(*v);
    if (r < std::numeric_limits<std::int16_t>::min() || r > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

}  // namespace vexa::numfmt
