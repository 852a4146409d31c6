// Registering a folder of 255 WAVE files of 4 MiB each, as "フォルダ選択"
// does it: the folder listed, every file checked (format, name, header,
// length) and the list filled. The files are sparse: registration reads only
// their headers and sizes, never the samples.
#include "core/sound/InspectForRegistration.h"
#include "core/sound/SoundList.h"
#include "core/sound/WaveFolderListing.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 255;
constexpr std::uint32_t kDataBytes = 4 * 1024 * 1024 - 44;

std::string le(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

class SilentDialogs final : public vexa::UserDialogs {
public:
    vexa::MessageAnswer showMessage(const vexa::MessageRequest&) override { return vexa::MessageAnswer::Ok; }
    std::vector<std::string> chooseFiles(const vexa::FileChooserRequest&) override { return {}; }
    std::string chooseFolder(const std::string&) override { return {}; }
};

fs::path makeFolder() {
    const fs::path folder = fs::temp_directory_path() / ("bench-registration-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    for (int i = 0; i < kFiles; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "S%03d.WAV", i);
        const fs::path file = folder / name;
        {
            std::ofstream out(file, std::ios::binary);
            out << "RIFF" << le(36 + kDataBytes, 4) << "WAVE" << "fmt " << le(16, 4) << le(1, 2) << le(1, 2)
                << le(22050, 4) << le(44100, 4) << le(2, 2) << le(16, 2) << "data" << le(kDataBytes, 4);
        }
        fs::resize_file(file, 44 + kDataBytes);
    }
    return folder;
}

void BM_RegisterFolder(benchmark::State& state) {
    const fs::path folder = makeFolder();
    SilentDialogs dialogs;
    for (auto _ : state) {
        vexa::SoundList list;
        vexa::NoProgress progress;
        const auto run = vexa::InspectForRegistration(vexa::ListWaveFiles(folder), false, progress);
        list.registerChecked(run.checks, dialogs, run.complete);
        if (list.count() != kFiles)
            state.SkipWithError("not every file was registered");
        benchmark::DoNotOptimize(list.totalSize());
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_RegisterFolder)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
