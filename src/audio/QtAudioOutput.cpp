#include "QtAudioOutput.h"

#include "WaveSource.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace vexa::audio {
namespace {

// What still plays after the sink has handed over its last bytes: its own
// buffer, and a margin for the sound server.
constexpr std::chrono::milliseconds kServerMargin{150};

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

QtAudioOutput::QtAudioOutput(QObject* parent) : QObject(parent) {}

QtAudioOutput::~QtAudioOutput() { close(); }

AudioResult QtAudioOutput::open(const std::filesystem::path& file) {
    close();
    const AudioResult read = reader_.open(file);
    if (!read.ok())
        return read;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return {AudioFault::NoOutputDevice, ""};
    const QAudioFormat format = formatOf(reader_.format());
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(format.bytesForDuration(kBufferMilliseconds * 1000));
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::IdleState)
            noteDrained();
    });
    source_ = std::make_unique<WaveSource>(reader_);
    return {};
}

AudioResult QtAudioOutput::play() {
    if (!sink_)
        return {AudioFault::OutputFailed, "no file"};
    sink_->stop();
    reader_.rewind();
    source_->close();
    source_->open(QIODevice::ReadOnly);
    drainedAt_.reset();
    sink_->start(source_.get());
    if (sink_->error() != QAudio::NoError && sink_->state() == QAudio::StoppedState) {
        const QAudio::Error error = sink_->error();
        close();
        // With no sound server the sink cannot even be opened.
        return {error == QAudio::OpenError ? AudioFault::NoOutputDevice : AudioFault::OutputFailed,
                errorName(error)};
    }
    playing_ = true;
    return {};
}

void QtAudioOutput::noteDrained() {
    if (playing_ && !drainedAt_)
        drainedAt_ = std::chrono::steady_clock::now();
}

bool QtAudioOutput::stopped() {
    if (!playing_ || !sink_ || sink_->state() == QAudio::StoppedState)
        return true;
    if (sink_->state() == QAudio::IdleState ||
        sink_->processedUSecs() >= static_cast<qint64>(reader_.durationMicroseconds()))
        noteDrained();
    if (!drainedAt_)
        return false;
    const auto buffered = std::chrono::microseconds(reader_.format().rate == 0 ? 0 :
        static_cast<long long>(sink_->bufferSize()) * 1000000 /
            (static_cast<long long>(reader_.format().rate) * reader_.format().bytesPerFrame()));
    return std::chrono::steady_clock::now() - *drainedAt_ >= buffered + kServerMargin;
}

void QtAudioOutput::close() {
    playing_ = false;
    drainedAt_.reset();
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
    }
    sink_.reset();
    if (source_)
        source_->close();
    source_.reset();
}

}  // namespace vexa::audio
