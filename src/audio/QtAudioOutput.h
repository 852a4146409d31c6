#pragma once
// The real sound output: WAVE files decoded by our own reader and played
// through Qt Multimedia's QAudioSink, pulling the samples from the file as it
// plays. The end of a sound is told by the sink's own clock of played samples
// (processedUSecs) against the file's length: a sound has stopped when all of
// it has been played but what the output's latency still holds, the latency
// being how far the sink's clock runs behind the time since the sound was
// started (made up for up to kMaxLatency). So the next sound, started then,
// is heard right after it, and the test run, whose time source is its own
// clock of ticks, keeps the device's rhythm. What is still in flight is heard
// to its end: closing a sound that has stopped lets its sink play out, and
// the output waits for that before it goes. Lives on a thread with an event
// loop (the sink is fed by it).
#include "core/sound/AudioOutput.h"

#include <QObject>

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace vexa::audio {

class QtAudioOutput final : public QObject, public AudioOutput {
    Q_OBJECT

public:
    explicit QtAudioOutput(QObject* parent = nullptr);
    ~QtAudioOutput() override;

    AudioResult open(const std::filesystem::path& file) override;
    AudioResult play() override;
    bool stopped() override;
    void close() override;

    // The time since a sound was started is measured on this: the steady
    // clock unless set. The test run sets its clock of 50 ms ticks, so that
    // a sound ends at the tick the device would end it at, however late the
    // tick that started it came.
    using TimeSource = std::function<std::chrono::steady_clock::time_point()>;
    void setTimeSource(TimeSource source) { timeSource_ = std::move(source); }

    // The sink's buffer: never below 100 ms (smaller ones stall).
    static constexpr int kBufferMilliseconds = 200;
    // The most of the output's latency that the end of a sound makes up for;
    // a sink whose clock lags further (a stall, a server slow to start) is
    // waited for, so that no two sounds are heard at once.
    static constexpr std::chrono::milliseconds kMaxLatency{250};

private:
    struct Sound;

    // Stops a sound at once, or, when it has stopped but is still being
    // heard, lets it play out.
    void release(std::unique_ptr<Sound> sound);
    void dropPlayedOut();

    std::chrono::steady_clock::time_point now() const;

    TimeSource timeSource_;
    std::unique_ptr<Sound> sound_;
    std::vector<std::unique_ptr<Sound>> playingOut_;
};

}  // namespace vexa::audio
