// Throughput of the WAVE tools on files in the page cache: a 16 MiB stereo
// file to mono (16 and 8 bits) and a minute of 44.1 kHz 16-bit silence.
#include "core/wavetools/ConvertToMono.h"
#include "core/wavetools/MakeSilence.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string le(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

fs::path stereoFile(std::uint16_t bits, std::uint32_t dataBytes) {
    const fs::path path = fs::temp_directory_path() /
                          ("bench-wavetools-" + std::to_string(::getpid()) + "-" + std::to_string(bits) + ".wav");
    const std::uint16_t align = static_cast<std::uint16_t>(2 * bits / 8);
    std::ofstream out(path, std::ios::binary);
    out << "RIFF" << le(36 + dataBytes, 4) << "WAVE" << "fmt " << le(16, 4) << le(1, 2) << le(2, 2)
        << le(44100, 4) << le(44100 * align, 4) << le(align, 2) << le(bits, 2) << "data" << le(dataBytes, 4);
    std::string block(1 << 20, '\0');
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<char>(i * 37);
    for (std::uint32_t written = 0; written < dataBytes; written += static_cast<std::uint32_t>(block.size()))
        out.write(block.data(), static_cast<std::streamsize>(std::min<std::size_t>(block.size(), dataBytes - written)));
    return path;
}

void BM_ConvertToMono(benchmark::State& state) {
    const auto bits = static_cast<std::uint16_t>(state.range(0));
    const std::uint32_t dataBytes = 16u << 20;
    const fs::path source = stereoFile(bits, dataBytes);
    const fs::path destination = fs::path(source).replace_extension(".mono.wav");
    vexa::NoProgress quiet;
    for (auto _ : state) {
        vexa::ProgressLink link(quiet, dataBytes + 44);
        if (vexa::ConvertToMono(source, destination, link) != vexa::JobResult::Completed)
            state.SkipWithError("conversion failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * dataBytes);
    fs::remove(source);
    fs::remove(destination);
}
BENCHMARK(BM_ConvertToMono)->Arg(16)->Arg(8)->Unit(benchmark::kMillisecond);

void BM_MakeSilence(benchmark::State& state) {
    const fs::path path = fs::temp_directory_path() / ("bench-silence-" + std::to_string(::getpid()) + ".wav");
    vexa::NoProgress quiet;
    const std::uint64_t size = vexa::SilenceFileSize(60, 44100, 16);
    for (auto _ : state) {
        vexa::ProgressLink link(quiet, size);
        if (vexa::MakeSilence(path, 60, 44100, 16, link) != vexa::JobResult::Completed)
            state.SkipWithError("silence failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    fs::remove(path);
}
BENCHMARK(BM_MakeSilence)->Unit(benchmark::kMillisecond);

}  // namespace
