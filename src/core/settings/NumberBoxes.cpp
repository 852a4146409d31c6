#include "core/settings/NumberBoxes.h"

#include "core/text/NumberFormat.h"
#include "core/text/TextRules.h"

#include <charconv>
#include <cmath>

namespace vexa {
namespace {

bool isBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// "0.00", "0.0" or "0": the zero in as many decimals as the step has.
std::string zeroOfStep(double step) {
    if (step < 0.1 - 1e-9)
        return "0.00";
    if (step < 1 - 1e-9)
        return "0.0";
    return "0";
}

// A single-precision result as the decimal a person would read in it (0.35f
// is 0.35, not 0.3499999940…), so that the format rounds what is shown.
double decimalOf(float value) {
    char digits[32];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    if (error != std::errc())
        return value;
    return numfmt::parseNumber(std::string_view(digits, static_cast<std::size_t>(end - digits))).value_or(value);
}

}  // namespace

std::string NormalizePatternTimeBox(std::string_view text) {
    return NormalizeNumberBox(text, kPatternTimeMinimum, kPatternTimeMaximum, kPatternTimeFormat);
}

std::string CommonUpDownClickProc(std::string_view text, bool up, double minimum, double maximum, double step,
                                  std::string_view format) {
    if (isBlank(text) && minimum < 1)
        return zeroOfStep(step);
    const auto number = numfmt::parseNumber(text);
    if (!number)
        return std::string(text);
    const float value = static_cast<float>(*number);
    if (!std::isfinite(value))  // "1e40": no single-precision number to step
        return std::string(text);
    const float stepValue = static_cast<float>(step);
    if (up && value < static_cast<float>(maximum))
        return numfmt::format(decimalOf(value + stepValue), format);
    if (!up && value > static_cast<float>(minimum))
        return numfmt::format(decimalOf(value - stepValue), format);
    return std::string(text);
}

}  // namespace vexa
