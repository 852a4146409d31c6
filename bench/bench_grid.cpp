// The programme grid on a full sheet of the Project: Setup Grid and
// RefreshVoiceCell (one step, undone again) for 255 lines of 8 voices each,
// with lengths from a function (the grid's own work) and from small real WAVE
// files (one measurement per file); and committing one cell of that sheet
// after another, as the window does, each one step of the history.
#include "core/editor/ProgramGrid.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;
using vexa::ProgramGrid;

constexpr int kLines = 255;
constexpr int kSounds = 255;

void put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void put16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

// A mono 16-bit 22050 Hz WAVE file of `samples` samples.
void writeWave(const fs::path& file, std::uint32_t samples) {
    const std::uint32_t dataSize = samples * 2;
    std::string bytes = "RIFF";
    put32(bytes, 36 + dataSize);
    bytes += "WAVEfmt ";
    put32(bytes, 16);
    put16(bytes, 1);
    put16(bytes, 1);
    put32(bytes, 22050);
    put32(bytes, 44100);
    put16(bytes, 2);
    put16(bytes, 16);
    bytes += "data";
    put32(bytes, dataSize);
    bytes.append(dataSize, '\0');
    std::ofstream(file, std::ios::binary) << bytes;
}

// A folder with the Element Pattern File and 255 short WAVE files, and a
// Project whose Sound Table names them and whose first sheet has 255 lines of
// 8 voices each.
struct FullSheet {
    fs::path folder = fs::temp_directory_path() / ("vexa_bench_grid_" + std::to_string(::getpid()));
    vexa::Project project;
    std::unique_ptr<vexa::Document> document;

    FullSheet() {
        fs::create_directories(folder);
        std::ofstream(folder / "elmptnvxa.elm", std::ios::binary)
            << "[Element]\r\nLedType=OFF,ON,A,B,C\r\nBuzzerType=OFF,ON,A,B,C\r\nSelect=1,2\r\n"
               "Repeat=1,2,3,4,5\r\nEx=OFF,ON\r\n";
        project.sounds.clear();
        for (int i = 0; i < kSounds; ++i) {
            vexa::SoundEntry entry;
            entry.fileName = "S" + std::to_string(i) + ".WAV";
            entry.sourcePath = (folder / entry.fileName).string();
            entry.length = "0.100";
            writeWave(entry.sourcePath, 2205 + 10 * static_cast<std::uint32_t>(i));
            project.sounds.push_back(entry);
        }
        project.soundPresent = true;
        for (int line = 0; line < kLines; ++line)
            for (int v = 0; v < vexa::kVoicesPerLine; ++v)
                project.sheets[0].lines[static_cast<std::size_t>(line)].voices[static_cast<std::size_t>(v)] =
                    project.sounds[static_cast<std::size_t>((line * 8 + v) % kSounds)].fileName;
        document = std::make_unique<vexa::Document>(vexa::Configuration{}, project);
    }
    ~FullSheet() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

// The TIME of the first line as the last refresh left it.
std::string runGrid(benchmark::State& state, ProgramGrid& grid, FullSheet& data) {
    std::string firstTime;
    for (auto _ : state) {
        grid.setup(kLines);
        grid.RefreshVoiceCell();
        benchmark::DoNotOptimize(grid.text(kLines + 1, vexa::gridcol::kTime));
        state.PauseTiming();
        firstTime = grid.text(vexa::kGridHeaderRows, vexa::gridcol::kTime);
        data.document->undo();  // the next refresh starts from the same sheet
        state.ResumeTiming();
    }
    return firstTime;
}

void BM_GridFullSheetInjectedLengths(benchmark::State& state) {
    FullSheet data;
    ProgramGrid grid(*data.document, data.folder / "elmptnvxa.elm",
                     [](const fs::path& path) { return static_cast<long long>(path.string().size() * 37); });
    runGrid(state, grid, data);
}
BENCHMARK(BM_GridFullSheetInjectedLengths)->Unit(benchmark::kMillisecond);

void BM_GridFullSheetWaveFiles(benchmark::State& state) {
    FullSheet data;
    ProgramGrid grid(*data.document, data.folder / "elmptnvxa.elm");
    if (runGrid(state, grid, data) == "0.0")
        state.SkipWithError("the WAVE files were not measured");
}
BENCHMARK(BM_GridFullSheetWaveFiles)->Unit(benchmark::kMillisecond);

// One committed cell after another (an LED time, or a voice with its line's
// TIME measured again) on the full sheet, each one step of the history, with
// the committed line read back as the view shows it.
void runCommits(benchmark::State& state, int col, const std::string& first, const std::string& second) {
    FullSheet data;
    ProgramGrid grid(*data.document, data.folder / "elmptnvxa.elm",
                     [](const fs::path& path) { return static_cast<long long>(path.string().size() * 37); });
    grid.setup(kLines);
    long n = 0;
    for (auto _ : state) {
        const int line = static_cast<int>(n % kLines);
        grid.commitEdit(line + vexa::kGridHeaderRows, col, (n / kLines) % 2 == 0 ? first : second);
        benchmark::DoNotOptimize(grid.text(line + vexa::kGridHeaderRows, vexa::gridcol::kTime));
        ++n;
    }
}

void BM_GridCommitLedTime(benchmark::State& state) { runCommits(state, vexa::gridcol::kLedTime, "1.5", "2"); }
BENCHMARK(BM_GridCommitLedTime)->Unit(benchmark::kMicrosecond);

void BM_GridCommitVoice(benchmark::State& state) {
    runCommits(state, vexa::gridcol::kVoice8, "S1.WAV", "S2.WAV");
}
BENCHMARK(BM_GridCommitVoice)->Unit(benchmark::kMicrosecond);

}  // namespace
