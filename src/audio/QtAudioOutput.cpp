#include "audio/QtAudioOutput.h"

#include "audio/WaveSource.h"
#include "core/sound/PcmWaveReader.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <thread>

namespace vexa::audio {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::microseconds;

// Where the sink's clock gives no time (processedUSecs stays 0): the sink's
// going idle, plus its buffer and this margin, is taken as the end.
constexpr std::chrono::milliseconds kServerMargin{150};
// Kept beyond the heard end of a sound that plays out.
constexpr std::chrono::milliseconds kPlayOutMargin{100};
// Waited beyond what the sink's clock still holds before the output goes.
constexpr std::chrono::milliseconds kFinalMargin{20};

QAudioFormat formatOf(const PcmFormat& pcm) {
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(pcm.rate));
    format.setChannelCount(pcm.channels);
    format.setSampleFormat(pcm.bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

const char* errorName(QAudio::Error error) {
    switch (error) {
    case QAudio::NoError: return "";
    case QAudio::OpenError: return "OpenError";
    case QAudio::IOError: return "IOError";
    case QAudio::UnderrunError: return "UnderrunError";
    case QAudio::FatalError: return "FatalError";
    }
    return "";
}

}  // namespace

// One opened file with its own reader, so that a sound playing out never
// reads the next file.
struct QtAudioOutput::Sound {
    PcmWaveReader reader;
    std::unique_ptr<WaveSource> source;
    std::unique_ptr<QAudioSink> sink;  // after the source: it goes first
    bool playing = false;
    Clock::time_point startedAt;
    std::optional<Clock::time_point> idleSince;
    Clock::time_point heardBy;  // playing out: dropped then at the latest

    microseconds length() const { return microseconds(reader.durationMicroseconds()); }
    microseconds played() const { return microseconds(sink->processedUSecs()); }
    bool sinkStopped() const { return sink->state() == QAudio::StoppedState; }

    // All played but what the latency holds: the sink's clock lags behind
    // the time since the start by the output's latency (made up for up to
    // kMaxLatency).
    bool atEnd(Clock::time_point now) {
        const microseconds played = this->played();
        if (played >= length())
            return true;
        if (played.count() > 0) {
            const auto lag = std::chrono::duration_cast<microseconds>(now - startedAt) - played;
            const microseconds latency = std::clamp<microseconds>(lag, microseconds(0), kMaxLatency);
            return played + latency >= length();
        }
        if (sink->state() != QAudio::IdleState)
            return false;
        if (!idleSince)
            idleSince = now;
        const PcmFormat& f = reader.format();
        const auto buffered = microseconds(f.rate == 0 ? 0 :
            static_cast<long long>(sink->bufferSize()) * 1000000 / (static_cast<long long>(f.rate) * f.bytesPerFrame()));
        return now - *idleSince >= buffered + kServerMargin;
    }

    // How long it is still heard.
    microseconds stillHeard() const {
        return sinkStopped() ? microseconds(0) : std::max(microseconds(0), length() - played());
    }
};

QtAudioOutput::QtAudioOutput(QObject* parent) : QObject(parent) {}

QtAudioOutput::~QtAudioOutput() {
    close();
    // What plays out is heard to its end (a few tens of milliseconds).
    microseconds longest{0};
    for (const auto& sound : playingOut_)
        longest = std::max(longest, sound->stillHeard());
    if (longest > microseconds(0))
        std::this_thread::sleep_for(std::min<microseconds>(longest, kMaxLatency) + kFinalMargin);
    playingOut_.clear();
}

AudioResult QtAudioOutput::open(const std::filesystem::path& file) {
    close();
    auto sound = std::make_unique<Sound>();
    const AudioResult read = sound->reader.open(file);
    if (!read.ok())
        return read;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return {AudioFault::NoOutputDevice, ""};
    const QAudioFormat format = formatOf(sound->reader.format());
    sound->source = std::make_unique<WaveSource>(sound->reader);
    sound->sink = std::make_unique<QAudioSink>(device, format);
    sound->sink->setBufferSize(format.bytesForDuration(kBufferMilliseconds * 1000));
    sound_ = std::move(sound);
    return {};
}

AudioResult QtAudioOutput::play() {
    if (!sound_)
        return {AudioFault::OutputFailed, "no file"};
    Sound& s = *sound_;
    s.sink->stop();
    s.reader.rewind();
    s.source->close();
    s.source->open(QIODevice::ReadOnly);
    s.idleSince.reset();
    s.startedAt = now();
    s.sink->start(s.source.get());
    if (s.sink->error() != QAudio::NoError && s.sinkStopped()) {
        const QAudio::Error error = s.sink->error();
        close();
        // With no sound server the sink cannot even be opened.
        return {error == QAudio::OpenError ? AudioFault::NoOutputDevice : AudioFault::OutputFailed,
                errorName(error)};
    }
    s.playing = true;
    return {};
}

bool QtAudioOutput::stopped() {
    if (!sound_ || !sound_->playing || sound_->sinkStopped())
        return true;
    return sound_->atEnd(now());
}

Clock::time_point QtAudioOutput::now() const { return timeSource_ ? timeSource_() : Clock::now(); }

void QtAudioOutput::close() {
    dropPlayedOut();
    if (sound_)
        release(std::move(sound_));
}

void QtAudioOutput::release(std::unique_ptr<Sound> sound) {
    // Only a sound at its end plays out; one stopped half-way stops at once.
    const bool playsOut = sound->playing && !sound->sinkStopped() && sound->reader.atEnd() && sound->atEnd(now()) &&
                          sound->stillHeard() > microseconds(0);
    if (!playsOut) {
        sound->sink->stop();
        return;
    }
    const auto heard = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::min<microseconds>(sound->stillHeard(), kMaxLatency) + kPlayOutMargin);
    sound->heardBy = Clock::now() + heard;
    playingOut_.push_back(std::move(sound));
    QTimer::singleShot(heard, this, &QtAudioOutput::dropPlayedOut);
}

void QtAudioOutput::dropPlayedOut() {
    const auto now = Clock::now();
    std::erase_if(playingOut_, [now](const std::unique_ptr<Sound>& sound) {
        return now >= sound->heardBy || sound->stillHeard() <= microseconds(0);
    });
}

}  // namespace vexa::audio
