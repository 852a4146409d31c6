#pragma once
// Numbers as the windows and files show them: recognising a number in a text,
// reading a text's leading number, the "0.0" / "00" / "##.###" display formats
// and the two rounding rules.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexa::numfmt {

// The value of a text that is wholly a number: surrounding blanks, a sign, digits
// with at most one decimal point, and an optional exponent ("1.5", " -2 ", "1e3").
// nullopt for anything else, the empty text included.
std::optional<double> parseNumber(std::string_view text);
inline bool isNumber(std::string_view text) { return parseNumber(text).has_value(); }

// The number at the start of a text, 0 when there is none ("12abc" → 12, "x" → 0).
double leadingNumber(std::string_view text);

// Formats with a display pattern of "0" (digit, kept), "#" (digit, dropped when
// not needed) and at most one ".": "0.0" → "1.5", "00" → "07", "000" → "012",
// "0.000" → "2.500", "##.###" → "44.1" / "8." / ".5". Halves are rounded away
// from zero on the value's 15-significant-digit decimal form, so 2.45 → "2.5".
// An infinity or NaN, which no pattern can show, gives "inf", "-inf" or "nan".
std::string format(double value, std::string_view pattern);

// Rounds to the nearest whole number, halves to the even one (2.5 → 2, 3.5 → 4).
double roundHalfEven(double value);

// A text that is a number, rounded half to even, when it fits 16 bits.
std::optional<std::int16_t> toInt16(std::string_view text);

}  // namespace vexa::numfmt
