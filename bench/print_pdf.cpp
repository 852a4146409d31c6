// A PDF of all five reports for the largest Project: Multi-sheet mode, Line
// Count 255 on every one of the eight sheets (every line with eight voices,
// LED, BUZZER and EX), 255 sounds with comments, the Card and User
// Information filled. "pages" counts the PDF's pages, "bytes" its size.
// Made in memory as `vexa print` makes it (offscreen platform).
#include "printlayout/PdfExport.h"
#include "core/config/ElementPatternFile.h"
#include "core/print/PrintJob.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int kLineCount = 255;
constexpr int kSounds = 255;
// Runs per benchmark; quote the median, which stays put when other work on
// the machine slows a few runs down.
constexpr int kRepetitions = 7;

std::string soundName(int k) {
    char name[16];
    std::snprintf(name, sizeof name, "S%03d.WAV", k);
    return name;
}

vexa::Configuration fullConfiguration() {
    vexa::Configuration c;
    c.settings.maxLine = kLineCount;
    c.settings.addFunction1 = 1;
    c.settings.cardPath = "/srv/vexa/cards";
    return c;
}

vexa::Project fullProject() {
    vexa::Project project;
    project.soundPresent = true;
    project.sounds.clear();
    for (int k = 0; k < kSounds; ++k)
        project.sounds.push_back({soundName(k), "22.05KHz", "16bit", "Mono", "12.345", "544428", "/srv/" + soundName(k),
                                  "店内放送のお知らせ その" + std::to_string(k)});
    for (int s = 0; s < vexa::kSheetCount; ++s) {
        vexa::ProgramSheet& sheet = project.sheets[static_cast<std::size_t>(s)];
        sheet.header.name = "シート" + std::to_string(s);
        sheet.header.memo = "開店から閉店までの定時放送";
        sheet.header.startHour = "8";
        sheet.header.startMinute = "5";
        sheet.header.endHour = "21";
        sheet.header.endMinute = "30";
        sheet.header.weekdays = {1, 1, 1, 1, 1, 0, 0, 0};
        sheet.header.seasons[0] = 1;
        for (int n = 0; n < kLineCount; ++n) {
            vexa::ProgramLine& line = sheet.lines[static_cast<std::size_t>(n)];
            for (int v = 0; v < vexa::kVoicesPerLine; ++v)
                line.voices[static_cast<std::size_t>(v)] = soundName((n + v) % kSounds);
            line.ledType = "2";
            line.ledTime = "12.5";
            line.buzzerType = "3";
            line.buzzerTime = "1.5";
            line.time = "98.8";
            line.ex = {"1", "0", "1", "0"};
        }
    }
    project.card = {"VX-255", "SHOP", "SHOP1", "3", "", "CF", "0", "見本商会", "見本 太郎", "2024/04/01",
                    "1", "2", "1", "1", "4", "一行目", "二行目"};
    for (auto& value : project.user.values)
        value = "株式会社サンプル";
    return project;
}

void BM_PdfOfAllReports(benchmark::State& state) {
    const vexa::Project project = fullProject();
    const vexa::Configuration configuration = fullConfiguration();
    const auto elements = vexa::ElementPatternFile::load(std::filesystem::path(VEXA_PROGRAM_FOLDER) / "elmptnvxa.elm");
    vexa::NoProgress progress;
    int pages = 0;
    qsizetype bytes = 0;
    for (auto _ : state) {
        // From the Project to the finished document, as one print does it.
        const auto reports = vexa::print::BuildPrintJob(project, configuration, elements, {true, true, true, true, true},
                                                        vexa::print::PrintTimeNow());
        vexa::printlayout::PdfResult result;
        const QByteArray pdf = vexa::printlayout::ReportsPdf(reports, "Vexa Editor 2J", progress, result);
        if (!result.written())
            state.SkipWithError("the PDF was not made");
        pages = result.pages;
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf.constData());
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PdfOfAllReports)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions)->UseRealTime();

// The sound list of one sound whose comment is 40 MB long: each box lays out
// only what it can show, so time and memory stay those of a short comment.
// "peak_MiB" is the process's peak resident size after the runs (run it
// alone, --benchmark_filter=HugeComment, for a figure of its own).
void BM_PdfOfAHugeComment(benchmark::State& state) {
    vexa::Project project;
    project.soundPresent = true;
    project.sounds = {{"LONG.WAV", "22.05KHz", "16bit", "Mono", "1.000", "44144", "/srv/LONG.WAV",
                       std::string(40 * 1000 * 1000, 'x')}};
    const vexa::Configuration configuration = fullConfiguration();
    const auto elements = vexa::ElementPatternFile::load(std::filesystem::path(VEXA_PROGRAM_FOLDER) / "elmptnvxa.elm");
    vexa::NoProgress progress;
    for (auto _ : state) {
        const auto reports = vexa::print::BuildPrintJob(project, configuration, elements, {false, false, false, true, false},
                                                        vexa::print::PrintTimeNow());
        vexa::printlayout::PdfResult result;
        const QByteArray pdf = vexa::printlayout::ReportsPdf(reports, "Vexa Editor 2J", progress, result);
        if (!result.written())
            state.SkipWithError("the PDF was not made");
        benchmark::DoNotOptimize(pdf.constData());
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}
BENCHMARK(BM_PdfOfAHugeComment)->Unit(benchmark::kMillisecond)->Repetitions(3)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
