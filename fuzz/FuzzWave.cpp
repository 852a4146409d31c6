// The WAVE header reader and every inspection of a file: the format, the
// registration checks, the header scan, the length, and the PCM reader that
// playback uses, read to its end.
#include "FuzzFolder.h"

#include "core/sound/PcmWaveReader.h"
#include "core/sound/WaveInspection.h"
#include "core/sound/WaveRegistrationCheck.h"

#include <array>

using namespace vexa;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = fuzz::FuzzFolder::get().write("w.wav", data, size);
    const WaveFormatRead read = ReadWaveFormat(path);
    if (read.format) {
        (void)CheckWaveFormat(*read.format, path.string(), false);
        (void)CheckWaveFormat(*read.format, path.string(), true);
    }
    (void)CheckWaveHeader(path, false);
    (void)CheckWaveHeader(path, true);
    (void)GetWaveLength(path);
    (void)InspectWave(path);
    (void)CheckWaveForRegistration(path, size % 2 == 0);

    PcmWaveReader reader;
    if (reader.open(path).ok()) {
        (void)reader.durationMicroseconds();
        std::array<char, 4096> buffer{};
        // Whole frames until the end; a read of nothing before it is a fault.
        while (!reader.atEnd())
            if (reader.read(buffer.data(), buffer.size()) == 0)
                __builtin_trap();
    }
    return 0;
}
