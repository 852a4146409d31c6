#pragma once
// The samples of a WAVE file as a read-only sequential QIODevice, pulled by
// QAudioSink block by block straight from the file.
#include "core/sound/PcmWaveReader.h"

#include <QIODevice>

namespace vexa::audio {

class WaveSource : public QIODevice {
    Q_OBJECT

public:
    explicit WaveSource(PcmWaveReader& reader, QObject* parent = nullptr);

    bool isSequential() const override { return true; }
    bool atEnd() const override;
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    PcmWaveReader& reader_;
    qint64 read_ = 0;
};

}  // namespace vexa::audio
