#pragma once
// What the settings window's number boxes do with their text: the form a
// Pattern Time takes when the focus leaves its box, and the step of an
// up-down arrow (CommonUpDownClickProc, shared by every up-down control).
#include <string>
#include <string_view>

namespace vexa {

// The range and form of a Pattern Time box.
inline constexpr double kPatternTimeMinimum = 0.0;
inline constexpr double kPatternTimeMaximum = 99.9;
inline constexpr double kPatternTimeStep = 0.1;
inline constexpr std::string_view kPatternTimeFormat = "0.0";

// Leaving a Pattern Time box: "" → "0.0", a number is held to 0 … 99.9 and
// shown with one decimal, any other text stays as typed.
std::string NormalizePatternTimeBox(std::string_view text);

// One arrow click on a box holding `text`; returns the new text. An empty
// (or blank) text becomes the zero of the step's form when `minimum` is
// below 1 ("0.00" for 0.01, "0.0" for 0.1, "0" for 1 and 10). A number v
// (single precision) goes to v + step when up and v < maximum, to v - step
// when down and v > minimum, formatted with `format`; there is no clamping.
// Any other text stays, and so does a number too large for single precision.
std::string CommonUpDownClickProc(std::string_view text, bool up, double minimum, double maximum, double step,
                                  std::string_view format);

// The arrows of a Pattern Time box.
inline std::string StepPatternTimeBox(std::string_view text, bool up) {
    return CommonUpDownClickProc(text, up, kPatternTimeMinimum, kPatternTimeMaximum, kPatternTimeStep,
                                 kPatternTimeFormat);
}

}  // namespace vexa
