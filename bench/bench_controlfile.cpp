// Writing and loading the largest Control File: Multi-sheet mode, Line Count
// 255, eight voices on every line, 255 sounds beside the file. Each sound has
// 4 MiB of (sparse) audio data; the load reads only their headers, which the
// "read_bytes" counter (bytes read by the process per load) shows.
#include "core/controlfile/ControlFileReader.h"
#include "core/controlfile/ControlFileWriter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kLineCount = 255;
constexpr int kSounds = 255;
constexpr std::uint32_t kAudioBytes = 4u << 20;
// Runs per benchmark. The median of them is the figure to quote: it stays put
// when other work on the machine slows a few runs down.
constexpr int kRepetitions = 7;

std::string le(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string soundName(int k) {
    char name[16];
    std::snprintf(name, sizeof name, "s%03d.wav", k);
    return name;
}

// A 22050 Hz mono 16-bit file whose data is a hole in the file system.
void writeSparseWave(const fs::path& path) {
    {
        std::ofstream out(path, std::ios::binary);
        out << "RIFF" << le(36 + kAudioBytes, 4) << "WAVE" << "fmt " << le(16, 4) << le(1, 2) << le(1, 2)
            << le(22050, 4) << le(44100, 4) << le(2, 2) << le(16, 2) << "data" << le(kAudioBytes, 4);
    }
    fs::resize_file(path, 44 + kAudioBytes);
}

// Every output of a line set, the voices left to fill.
const vexa::ProgramLine kEveryOutput{.select = "1",
                                     .repeat = "2",
                                     .ledType = "1",
                                     .ledTime = "1.5",
                                     .buzzerType = "2",
                                     .buzzerTime = "0.5",
                                     .voices = {},
                                     .time = "0.0",
                                     .ex = {"1", "0", "1", "0"}};

std::unique_ptr<vexa::Project> maximalProject() {
    auto p = std::make_unique<vexa::Project>();
    p->sounds.resize(kSounds);
    for (int k = 0; k < kSounds; ++k)
        p->sounds[k] = {soundName(k), "22.05KHz", "16bit", "Mono", "95.107", "4194348", "", "コメント"};
    p->soundPresent = true;
    for (int s = 0; s < vexa::kSheetCount; ++s) {
        p->sheets[s].header.name = "シート名";
        p->sheets[s].header.memo = "メモ";
        for (int n = 0; n < kLineCount; ++n) {
            vexa::ProgramLine& line = p->sheets[s].lines[n];
            line = kEveryOutput;
            for (int v = 0; v < vexa::kVoicesPerLine; ++v)
                line.voices[v] = soundName((n * 8 + v + s) % kSounds);
            line.time = *p->lineTime(line);
        }
    }
    for (auto& pattern : p->patterns.led)
        pattern = {"0.5", "0.5"};
    for (auto& pattern : p->patterns.buzzer)
        pattern = {"0.5", "0.5"};
    return p;
}

vexa::Settings maximalSettings() {
    vexa::Settings settings;
    settings.maxLine = kLineCount;
    settings.addFunction1 = 1;
    return settings;
}

// The Control File CARD.vxa with its sounds in `folder`.
bool writeLargest(const fs::path& folder) {
    fs::create_directories(folder);
    for (int k = 0; k < kSounds; ++k)
        writeSparseWave(folder / soundName(k));
    return static_cast<bool>(vexa::WriteControlFile(*maximalProject(), maximalSettings(), folder / "CARD.vxa"));
}

// The folder with the sounds and the Control File, made once and removed at exit.
struct BenchFolder {
    fs::path path = fs::temp_directory_path() / ("bench-controlfile-" + std::to_string(::getpid()));
    fs::path controlFile = path / "CARD.vxa";

    BenchFolder() { writeLargest(path); }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

BenchFolder& folder() {
    static BenchFolder instance;
    return instance;
}

// Bytes the process has read through read() and similar calls so far.
long long bytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value)
        if (key == "rchar:")
            return value;
    return 0;
}

void BM_WriteControlFile(benchmark::State& state) {
    const auto project = maximalProject();
    const auto settings = maximalSettings();
    const fs::path target = folder().path / "written.vxa";
    for (auto _ : state)
        if (!vexa::WriteControlFile(*project, settings, target))
            state.SkipWithError("write failed");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(target)));
}
BENCHMARK(BM_WriteControlFile)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions)
    ->DisplayAggregatesOnly();

void BM_LoadControlFile(benchmark::State& state) {
    const auto settings = maximalSettings();
    const fs::path file = folder().controlFile;
    auto project = std::make_unique<vexa::Project>();
    const long long before = bytesReadSoFar();
    for (auto _ : state)
        if (!vexa::LoadKtrFile(file, *project, settings))
            state.SkipWithError("load failed");
    const long long read = bytesReadSoFar() - before;
    state.counters["read_bytes"] = static_cast<double>(read) / static_cast<double>(state.iterations());
    state.counters["audio_bytes"] = static_cast<double>(kSounds) * kAudioBytes;
    state.counters["file_bytes"] = static_cast<double>(fs::file_size(file));
}
BENCHMARK(BM_LoadControlFile)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions)
    ->DisplayAggregatesOnly();

}  // namespace

// bench_controlfile --write-largest FOLDER leaves the largest Control File
// (FOLDER/CARD.vxa, Line Count 255) with its sounds for the shell benchmarks.
int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--write-largest")
        return writeLargest(argv[2]) ? 0 : 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
