#include "audioimport/SoxrResampler.h"

#include <new>
#include <soxr.h>

namespace vexa {
namespace {
constexpr std::size_t kOutputSlack = 64;
}

SoxrResampler::SoxrResampler(std::uint32_t inRate, std::uint32_t outRate, int channels)
    : ratio_(static_cast<double>(outRate) / inRate), channels_(channels) {
    soxr_error_t error = nullptr;
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_VHQ, 0);
    const soxr_runtime_spec_t runtime = soxr_runtime_spec(1);
    soxr_ = soxr_create(inRate, outRate, static_cast<unsigned>(channels), &error, &io, &quality, &runtime);
    if (!soxr_ || error)
        throw std::bad_alloc();  // only for rates out of range or no memory
}

SoxrResampler::~SoxrResampler() { soxr_delete(soxr_); }

void SoxrResampler::process(const float* in, std::size_t frames, std::vector<float>& out) {
    const std::size_t width = static_cast<std::size_t>(channels_);
    while (frames > 0) {
        const std::size_t room = static_cast<std::size_t>(static_cast<double>(frames) * ratio_) + kOutputSlack;
        const std::size_t start = out.size();
        out.resize(start + room * width);
        std::size_t used = 0;
        std::size_t made = 0;
        soxr_process(soxr_, in, frames, &used, out.data() + start, room, &made);
        out.resize(start + made * width);
        in += used * width;
        frames -= used;
        if (used == 0 && made == 0)
            break;
    }
}

void SoxrResampler::finish(std::vector<float>& out) {
    const std::size_t width = static_cast<std::size_t>(channels_);
    for (;;) {
        const std::size_t room = 4096;
        const std::size_t start = out.size();
        out.resize(start + room * width);
        std::size_t made = 0;
        soxr_process(soxr_, nullptr, 0, nullptr, out.data() + start, room, &made);
        out.resize(start + made * width);
        if (made == 0)
            break;
    }
}

}  // namespace vexa
