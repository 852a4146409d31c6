#pragma once
// Integrated loudness (EBU R128 / ITU-R BS.1770, gated) and true peak through
// libebur128. The histogram mode keeps its memory the same whatever the length.
#include "core/import/AudioBackend.h"

#include <ebur128.h>

namespace vexa {

class Ebur128Meter final : public LoudnessMeter {
public:
    Ebur128Meter(std::uint32_t rate, int channels, bool truePeak);
    ~Ebur128Meter() override;
    Ebur128Meter(const Ebur128Meter&) = delete;
    Ebur128Meter& operator=(const Ebur128Meter&) = delete;

    void add(const float* frames, std::size_t count) override;
    std::optional<double> integratedLoudness() const override;
    std::optional<double> truePeak() const override;

private:
    ebur128_state* state_ = nullptr;
    int channels_;
    bool truePeak_;
};

}  // namespace vexa
