#pragma once
// A sound output without sound, on the test run's clock: each file "plays"
// for its measured play length and has stopped at the first poll after it.
// `vexa timeline` plays a sheet through it to learn the sheet's timing.
#include "core/sound/AudioOutput.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vexa {

class SimulatedAudioOutput : public AudioOutput {
public:
    // Play length in milliseconds, -1 when it cannot be measured.
    using Measure = std::function<long long(const std::filesystem::path&)>;
    // Whether the file is there to be opened.
    using Exists = std::function<bool(const std::filesystem::path&)>;

    // `measure` defaults to GetWaveLength, `exists` to "a regular file";
    // `tickMilliseconds` is the time one advance() stands for.
    explicit SimulatedAudioOutput(Measure measure = {}, int tickMilliseconds = 50, Exists exists = {});

    // Time moves on by one tick.
    void advance() { ++tick_; }
    long tick() const { return tick_; }

    // A missing file or one whose length cannot be measured does not open.
    AudioResult open(const std::filesystem::path& file) override;
    AudioResult play() override;
    bool stopped() override;
    void close() override;

    struct Start {
        std::filesystem::path file;
        long tick;

        bool operator==(const Start&) const = default;
    };
    // Every play, with the tick it started at.
    const std::vector<Start>& starts() const { return starts_; }

private:
    Measure measure_;
    Exists exists_;
    int tickMilliseconds_;
    long tick_ = 0;
    std::filesystem::path file_;
    long long length_ = 0;
    bool playing_ = false;
    long playedAt_ = 0;
    std::vector<Start> starts_;
};

}  // namespace vexa
