#pragma once
// Resampling through libsoxr at SOXR_VHQ, interleaved 32-bit floats in and out.
#include "core/import/AudioBackend.h"

struct soxr;

namespace vexa {

class SoxrResampler final : public Resampler {
public:
    SoxrResampler(std::uint32_t inRate, std::uint32_t outRate, int channels);
    ~SoxrResampler() override;
    SoxrResampler(const SoxrResampler&) = delete;
    SoxrResampler& operator=(const SoxrResampler&) = delete;

    void process(const float* in, std::size_t frames, std::vector<float>& out) override;
    void finish(std::vector<float>& out) override;

private:
    soxr* soxr_ = nullptr;
    double ratio_;
    int channels_;
};

}  // namespace vexa
