#include "audio/WaveSource.h"

namespace vexa::audio {

WaveSource::WaveSource(PcmWaveReader& reader, QObject* parent) : QIODevice(parent), reader_(reader) {}

bool WaveSource::atEnd() const { return reader_.atEnd() && QIODevice::bytesAvailable() == 0; }

qint64 WaveSource::bytesAvailable() const {
    return static_cast<qint64>(reader_.dataBytes()) - read_ + QIODevice::bytesAvailable();
}

qint64 WaveSource::readData(char* data, qint64 maxSize) {
    if (maxSize <= 0)
        return 0;
    const auto n = static_cast<qint64>(reader_.read(data, static_cast<std::size_t>(maxSize)));
    read_ += n;
    return n;
}

qint64 WaveSource::writeData(const char*, qint64) { return -1; }

}  // namespace vexa::audio
