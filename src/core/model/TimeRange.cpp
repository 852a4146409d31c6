#include "core/model/TimeRange.h"

#include "core/text/NumberFormat.h"

#include <cmath>

namespace vexa {

std::optional<double> MillisecondsOf(double seconds) {
    const double milliseconds = seconds * 1000;
    // Rounded as the writer rounds: halves away from zero.
    if (!std::isfinite(milliseconds) || std::round(std::fabs(milliseconds)) > kLargestMilliseconds)
        return std::nullopt;
    return milliseconds;
}

std::optional<std::string> LineTimeText(double repeat, double seconds) {
    const double time = repeat * seconds;
    if (!MillisecondsOf(time))
        return std::nullopt;
    return numfmt::format(time, "0.0");
}

}  // namespace vexa
