#pragma once
// What importing needs from the audio libraries, as three small interfaces:
// a decoder that gives any source as float frames in blocks, a resampler and
// a loudness meter. The core drives them (ImportFile) and never names a
// library; src/audioimport implements them with FFmpeg, libsoxr and
// libebur128, and the core's tests with plain arithmetic.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vexa {

// What a decoder tells of its source before the first frame is read.
struct AudioSourceInfo {
    std::uint32_t sampleRate = 0;
    int channels = 0;
    std::string container;  // as the decoder names it: "wav", "mp3", "ogg", "mov,mp4,m4a,3gp,3g2,mj2"
    std::string codec;      // "pcm_s24le", "mp3float", "aac", "opus"
    double seconds = 0;     // the length the container states; 0 when it states none

    bool operator==(const AudioSourceInfo&) const = default;
};

class AudioDecoder {
public:
    virtual ~AudioDecoder() = default;

    virtual const AudioSourceInfo& info() const = 0;
    // Up to `maxFrames` frames as interleaved floats (full scale ±1.0) into
    // `out`, which has room for maxFrames × channels values. 0 at the end of
    // the source and after a failure.
    virtual std::size_t read(float* out, std::size_t maxFrames) = 0;
    // Why reading stopped early (the decoder's own words); "" while nothing failed.
    virtual std::string failure() const = 0;
    // How far through the source reading is, 0 … 1.
    virtual double position() const = 0;
};

struct DecoderOpening {
    std::unique_ptr<AudioDecoder> decoder;
    std::string failure;  // why there is no decoder (the decoder's own words)
};

class Resampler {
public:
    virtual ~Resampler() = default;
    // Appends the output that `frames` interleaved input frames give.
    virtual void process(const float* in, std::size_t frames, std::vector<float>& out) = 0;
    // Appends what the resampler still holds once the input has ended.
    virtual void finish(std::vector<float>& out) = 0;
};

class LoudnessMeter {
public:
    virtual ~LoudnessMeter() = default;
    virtual void add(const float* frames, std::size_t count) = 0;
    // Integrated loudness in LUFS; none when the sound never rises above the
    // meter's absolute gate (silence).
    virtual std::optional<double> integratedLoudness() const = 0;
    // The highest true peak of all channels, in dBTP; none for digital silence
    // or a meter made without it.
    virtual std::optional<double> truePeak() const = 0;
};

class AudioBackend {
public:
    virtual ~AudioBackend() = default;
    virtual DecoderOpening openDecoder(const std::filesystem::path& source) = 0;
    virtual std::unique_ptr<Resampler> makeResampler(std::uint32_t inRate, std::uint32_t outRate, int channels) = 0;
    // A meter of the integrated loudness, and of the true peak when asked
    // (which costs far more).
    virtual std::unique_ptr<LoudnessMeter> makeMeter(std::uint32_t rate, int channels, bool truePeak) = 0;
};

}  // namespace vexa
