// The week plan of the largest Project: eight sheets of 255 lines with eight
// voices each, every sheet on every weekday all year with overlapping time
// windows, each sheet played to its end by the test run (255 short real WAVE
// files, each measured once per plan).
#include "core/week/WeekPlan.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;
using namespace vexa;

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

// A mono 8-bit 8000 Hz WAVE file of `samples` samples.
void writeWave(const fs::path& file, std::uint32_t samples) {
    std::string bytes = "RIFF";
    put32(bytes, 36 + samples);
    bytes += "WAVEfmt ";
    put32(bytes, 16);
    put16(bytes, 1);
    put16(bytes, 1);
    put32(bytes, 8000);
    put32(bytes, 8000);
    put16(bytes, 1);
    put16(bytes, 8);
    bytes += "data";
    put32(bytes, samples);
    bytes.append(samples, '\x80');
    std::ofstream(file, std::ios::binary) << bytes;
}

struct LargestProject {
    fs::path folder = fs::temp_directory_path() / ("vexa-bench-week-" + std::to_string(::getpid()));
    Project project;
    Settings settings;

    LargestProject() {
        fs::create_directories(folder);
        settings.maxLine = kLines;
        settings.addFunction1 = 1;
        project.sounds.clear();
        project.sounds.emplace_back();
        for (int i = 0; i < kSounds; ++i) {
            SoundEntry entry;
            entry.fileName = "S" + std::to_string(i) + ".WAV";
            entry.sourcePath = (folder / entry.fileName).string();
            writeWave(entry.sourcePath, 400);  // 50 ms
            project.sounds.push_back(entry);
        }
        project.soundPresent = true;
        for (int s = 0; s < kSheetCount; ++s) {
            ProgramSheet& sheet = project.sheets[static_cast<std::size_t>(s)];
            sheet.header.volume = 1;
            sheet.header.startHour = s < 5 ? "0" + std::to_string(s + 5) : std::to_string(s + 5);
            sheet.header.startMinute = "00";
            sheet.header.endHour = std::to_string(s + 10);
            sheet.header.endMinute = "30";
            sheet.header.weekdays.fill(1);
            sheet.header.seasons[0] = 1;
            for (int l = 0; l < kLines; ++l)
                for (int v = 0; v < kVoicesPerLine; ++v)
                    sheet.lines[static_cast<std::size_t>(l)].voices[static_cast<std::size_t>(v)] =
                        project.sounds[static_cast<std::size_t>(1 + (l * kVoicesPerLine + v) % kSounds)].fileName;
        }
    }
    ~LargestProject() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

void BM_WeekPlanOfTheLargestProject(benchmark::State& state) {
    static const LargestProject large;
    for (auto _ : state) {
        const WeekPlan plan = BuildWeekPlan(large.project, large.settings, kAllYear);
        benchmark::DoNotOptimize(plan.overlaps.size());
    }
}
BENCHMARK(BM_WeekPlanOfTheLargestProject)->Unit(benchmark::kMillisecond);

}  // namespace
