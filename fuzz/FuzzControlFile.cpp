// The Control File reader in its three forms, then the writer on what it read.
// The first byte chooses the form, the Line Count and the sheet mode; the rest
// is the file. The folder holds small WAVE files under the names the seeds use.
#include "FuzzFolder.h"

#include "core/controlfile/ControlFileReader.h"
#include "core/controlfile/ControlFileWriter.h"

#include <array>

using namespace vexa;

namespace {

void writeSounds(const fuzz::FuzzFolder& folder) {
    folder.write("a.wav", fuzz::PcmWave(1, 22050, 16, 441));
    folder.write("b.wav", fuzz::PcmWave(1, 8000, 8, 400));
    folder.write("s.wav", fuzz::PcmWave(2, 44100, 16, 100));
    for (const char* name : {"CHIME.WAV", "OPEN.WAV", "CLOSE.WAV", "NOTICE.WAV"})
        folder.write(name, fuzz::PcmWave(1, 22050, 16, 2205));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const auto& folder = fuzz::FuzzFolder::get();
    static const bool soundsWritten = (writeSounds(folder), true);
    (void)soundsWritten;
    constexpr std::array<const char*, 3> kNames{"t.vxa", "t.ktr", "t.wpj"};
    constexpr std::array<std::int16_t, 4> kLineCounts{0, 3, 20, 95};
    const std::uint8_t choice = data[0];
    const auto path = folder.write(kNames[choice % 3], data + 1, size - 1);
    Settings settings;
    settings.maxLine = kLineCounts[(choice / 3) % 4];
    settings.addFunction1 = (choice & 0x40) != 0 ? 1 : 0;
    // One Project for the process, put back to a clean state each time: a new
    // one costs more than the load itself (eight sheets of 256 lines).
    static Project project;
    project.clearSheets(kLineCounts.back());
    project.resetSoundTable();
    project.patterns = {};
    project.card = {};
    if (LoadKtrFile(path, project, settings))
        (void)ControlFileText(project, settings);
    return 0;
}
