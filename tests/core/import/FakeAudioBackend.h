#pragma once
// An AudioBackend of plain arithmetic for the import's core tests: sources
// are small text descriptions of a signal, the resampler picks the nearest
// input frame, and the meter's "loudness" is the mean square in dB (no
// weighting, no gating but an absolute one at -70) with the sample peak as
// its true peak. Enough to follow what the pipeline does with the figures;
// the real libraries are tested in tests/audioimport.
#include "core/import/AudioBackend.h"
#include "core/sound/WaveInspection.h"

#include <cmath>
#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

namespace vexa::test {

// One source: `frames` frames of `channels` channels at `rate`, sample
// values from `signal(frame, channel)`; reading fails after `failAfter`
// frames when it is set.
struct FakeSource {
    std::uint32_t rate = 48000;
    int channels = 1;
    std::uint64_t frames = 48000;
    std::function<float(std::uint64_t, int)> signal = [](std::uint64_t, int) { return 0.0f; };
    std::uint64_t failAfter = ~0ULL;
};

inline float Sine(std::uint64_t frame, double amplitude, double hz, double rate) {
    return static_cast<float>(amplitude * std::sin(2 * M_PI * hz * static_cast<double>(frame) / rate));
}

class FakeDecoder final : public AudioDecoder {
public:
    explicit FakeDecoder(FakeSource source) : source_(std::move(source)) {
        info_ = {source_.rate, source_.channels, "fake", "fake_pcm",
                 static_cast<double>(source_.frames) / source_.rate};
    }
    const AudioSourceInfo& info() const override { return info_; }
    std::size_t read(float* out, std::size_t maxFrames) override {
        std::size_t n = 0;
        for (; n < maxFrames && at_ < source_.frames; ++n, ++at_) {
            if (at_ >= source_.failAfter) {
                failure_ = "Invalid data found when processing input";
                return n;
            }
            for (int c = 0; c < source_.channels; ++c)
                out[n * static_cast<std::size_t>(source_.channels) + static_cast<std::size_t>(c)] = source_.signal(at_, c);
        }
        return n;
    }
    std::string failure() const override { return failure_; }
    double position() const override { return static_cast<double>(at_) / static_cast<double>(source_.frames); }

private:
    FakeSource source_;
    AudioSourceInfo info_;
    std::uint64_t at_ = 0;
    std::string failure_;
};

class NearestResampler final : public Resampler {
public:
    NearestResampler(std::uint32_t in, std::uint32_t out, int channels) : in_(in), out_(out), channels_(channels) {}
    void process(const float* in, std::size_t frames, std::vector<float>& out) override {
        for (std::size_t i = 0; i < frames; ++i, ++inFrames_) {
            // Output frame k takes input frame floor(k * in / out).
            while (static_cast<std::uint64_t>(outFrames_) * in_ / out_ == inFrames_) {
                for (int c = 0; c < channels_; ++c)
                    out.push_back(in[i * static_cast<std::size_t>(channels_) + static_cast<std::size_t>(c)]);
                ++outFrames_;
            }
        }
    }
    void finish(std::vector<float>&) override {}

private:
    std::uint64_t in_, out_;
    int channels_;
    std::uint64_t inFrames_ = 0;
    std::uint64_t outFrames_ = 0;
};

class PlainMeter final : public LoudnessMeter {
public:
    PlainMeter(int channels, bool truePeak) : channels_(channels), truePeak_(truePeak) {}
    void add(const float* frames, std::size_t count) override {
        for (std::size_t i = 0; i < count * static_cast<std::size_t>(channels_); ++i) {
            sum_ += static_cast<double>(frames[i]) * frames[i];
            peak_ = std::max(peak_, static_cast<double>(std::fabs(frames[i])));
        }
        frames_ += count;
    }
    std::optional<double> integratedLoudness() const override {
        if (frames_ == 0 || sum_ == 0)
            return std::nullopt;
        const double db = 10 * std::log10(sum_ / static_cast<double>(frames_));
        return db < -70 ? std::nullopt : std::optional<double>(db);
    }
    std::optional<double> truePeak() const override {
        return peak_ > 0 && truePeak_ ? std::optional<double>(20 * std::log10(peak_)) : std::nullopt;
    }

private:
    int channels_;
    bool truePeak_;
    double sum_ = 0;
    double peak_ = 0;
    std::uint64_t frames_ = 0;
};

// Files named in `sources` decode as described; a file that starts with
// "RIFF" decodes as half a second of a quiet tone in the format its "fmt "
// chunk names; anything else is refused.
class FakeAudioBackend final : public AudioBackend {
public:
    std::map<std::string, FakeSource> sources;
    int opened = 0;

    DecoderOpening openDecoder(const std::filesystem::path& path) override {
        ++opened;
        if (auto it = sources.find(path.string()); it != sources.end())
            return {std::make_unique<FakeDecoder>(it->second), {}};
        std::ifstream in(path, std::ios::binary);
        char head[4] = {};
        if (in.read(head, 4) && std::string(head, 4) == "RIFF") {
            FakeSource wave;
            if (const auto format = ReadWaveFormat(path).format) {
                wave.rate = format->samplesPerSec ? format->samplesPerSec : 48000;
                wave.channels = format->channels ? format->channels : 1;
            }
            wave.frames = wave.rate / 2;
            const double rate = wave.rate;
            wave.signal = [rate](std::uint64_t f, int) { return Sine(f, 0.1, 440, rate); };
            return {std::make_unique<FakeDecoder>(wave), {}};
        }
        return {nullptr, "Invalid data found when processing input"};
    }
    std::unique_ptr<Resampler> makeResampler(std::uint32_t in, std::uint32_t out, int channels) override {
        return std::make_unique<NearestResampler>(in, out, channels);
    }
    std::unique_ptr<LoudnessMeter> makeMeter(std::uint32_t, int channels, bool truePeak) override {
        return std::make_unique<PlainMeter>(channels, truePeak);
    }
};

}  // namespace vexa::test
