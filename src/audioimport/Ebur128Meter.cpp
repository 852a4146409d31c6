#include "audioimport/Ebur128Meter.h"

#include <algorithm>
#include <cmath>
#include <ebur128.h>
#include <new>

namespace vexa {

Ebur128Meter::Ebur128Meter(std::uint32_t rate, int channels, bool truePeak)
    : channels_(channels), truePeak_(truePeak) {
    state_ = ebur128_init(static_cast<unsigned>(channels), rate,
                          EBUR128_MODE_I | EBUR128_MODE_HISTOGRAM | (truePeak ? EBUR128_MODE_TRUE_PEAK : 0));
    if (!state_)
        throw std::bad_alloc();
}

Ebur128Meter::~Ebur128Meter() { ebur128_destroy(&state_); }

void Ebur128Meter::add(const float* frames, std::size_t count) { ebur128_add_frames_float(state_, frames, count); }

std::optional<double> Ebur128Meter::integratedLoudness() const {
    double loudness = -HUGE_VAL;
    if (ebur128_loudness_global(state_, &loudness) != EBUR128_SUCCESS || !std::isfinite(loudness))
        return std::nullopt;
    return loudness;
}

std::optional<double> Ebur128Meter::truePeak() const {
    double highest = 0;
    for (int c = 0; c < channels_ && truePeak_; ++c) {
        double peak = 0;
        if (ebur128_true_peak(state_, static_cast<unsigned>(c), &peak) == EBUR128_SUCCESS)
            highest = std::max(highest, peak);
    }
    if (highest <= 0)
        return std::nullopt;
    return 20.0 * std::log10(highest);
}

}  // namespace vexa
