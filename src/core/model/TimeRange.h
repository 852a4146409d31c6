#pragma once
// The range of the times the system holds. The Control File stores times as
// whole milliseconds that the device reads as 32-bit signed counts, so a time
// is a number only when it is finite and its milliseconds fit that count.
// Anything else (an infinity, a Repeat of 1e308 times a voice) is no time at
// all for the rules that follow: the writer refuses it, the reader fails on it
// and the line TIME stays empty.
#include <optional>
#include <string>

namespace vexa {

inline constexpr double kLargestMilliseconds = 2147483647;

// `seconds` × 1000, when that is a time the system holds.
std::optional<double> MillisecondsOf(double seconds);

// A line TIME, `repeat` × `seconds` in the "0.0" form, when the product is a
// time the system holds.
std::optional<std::string> LineTimeText(double repeat, double seconds);

}  // namespace vexa
