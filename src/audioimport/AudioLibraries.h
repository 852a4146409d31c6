#pragma once
// The import's AudioBackend on the audio libraries: FfmpegDecoder, the
// libsoxr resampler at its very-high-quality setting and the libebur128 meter
// (integrated loudness and true peak).
#include "core/import/AudioBackend.h"

namespace vexa {

class AudioLibraries final : public AudioBackend {
public:
    // Quietens the libraries' own logging: every failure reaches the user
    // through the import's messages instead.
    AudioLibraries();

    DecoderOpening openDecoder(const std::filesystem::path& source) override;
    std::unique_ptr<Resampler> makeResampler(std::uint32_t inRate, std::uint32_t outRate, int channels) override;
    std::unique_ptr<LoudnessMeter> makeMeter(std::uint32_t rate, int channels, bool truePeak) override;
};

}  // namespace vexa
