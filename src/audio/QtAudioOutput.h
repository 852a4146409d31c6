#pragma once
// The real sound output: WAVE files decoded by our own reader and played
// through Qt Multimedia's QAudioSink, pulling the samples from the file as it
// plays. "Stopped" means heard to the end: the sink has taken the last bytes
// and the output's latency has passed since, so the end of a sound is never
// cut off. Lives on a thread with an event loop (the sink is fed by it).
#include "sound/AudioOutput.h"
#include "sound/PcmWaveReader.h"

#include <QObject>

#include <chrono>
#include <memory>
#include <optional>

class QAudioSink;

namespace vexa::audio {

class WaveSource;

class QtAudioOutput final : public QObject, public AudioOutput {
    Q_OBJECT

public:
    explicit QtAudioOutput(QObject* parent = nullptr);
    ~QtAudioOutput() override;

    AudioResult open(const std::filesystem::path& file) override;
    AudioResult play() override;
    bool stopped() override;
    void close() override;

    // The sink's buffer: never below 100 ms (smaller ones stall).
    static constexpr int kBufferMilliseconds = 200;

private:
    void noteDrained();

    PcmWaveReader reader_;
    std::unique_ptr<WaveSource> source_;
    std::unique_ptr<QAudioSink> sink_;
    bool playing_ = false;
    std::optional<std::chrono::steady_clock::time_point> drainedAt_;
};

}  // namespace vexa::audio
