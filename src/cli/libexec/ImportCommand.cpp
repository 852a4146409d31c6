// vexa import IN... --out DIR: converts audio files of any common format
// (or the audio files of a folder) into WAVE files the device plays, with
// their loudness levelled, each under a proposed 8.3 name (or --name), and
// prints each file written with its figures. Exit 0 when every file was
// imported, 1 when one was refused or failed (the others are still
// imported) or SIGTERM / SIGHUP stopped it, 130 after Ctrl+C, 2 for usage.
#include "cli/CliContext.h"
#include "cli/HelperCommands.h"
#include "cli/libexec/HelperCommandsAdd.h"
#include "cli/ConsoleDialogs.h"
#include "cli/ProjectOptions.h"
#include "cli/TerminalProgress.h"
#include "audioimport/AudioLibraries.h"
#include "core/files/MakeDir.h"
#include "core/import/ImportBatch.h"
#include "core/sound/WaveInspection.h"
#include "core/text/NumberFormat.h"

#include <algorithm>
#include <csignal>
#include <iostream>
#include <nlohmann/json.hpp>

namespace vexa::cli {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

constexpr int kUsage = 2;
constexpr int kInterrupted = 130;

struct ImportArguments {
    std::vector<std::string> sources;
    std::string out;
    std::optional<std::uint32_t> rate;
    int bits = kDefaultImportBits;
    bool stereo = false;
    std::optional<double> loudness;
    bool noLoudness = false;
    double peak = kDefaultPeakCeiling;
    bool trim = false;
    std::string name;
    bool json = false;
};

void complain(const std::string& text) {
    std::string line = text;
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::cerr << line << std::endl;
}

Json figure(const std::optional<double>& value) {
    if (!value)
        return nullptr;
    return std::round(*value * 100.0) / 100.0;
}

Json toJson(const ImportResult& r) {
    Json j;
    j["source"] = r.source;
    j["output"] = r.imported() ? Json(r.output) : Json(nullptr);
    if (!r.imported()) {
        j["error"] = r.failure;
        return j;
    }
    j["rate"] = r.format.rate;
    j["bits"] = r.format.bits;
    j["channels"] = r.format.channels;
    j["seconds"] = std::round(r.seconds * 1000.0) / 1000.0;
    j["loudness_before"] = figure(r.loudnessBefore);
    j["loudness_after"] = figure(r.loudnessAfter);
    j["true_peak_after"] = figure(r.truePeakAfter);
    j["gain_db"] = figure(r.gainDb);
    j["limited_by_peak"] = r.limitedByPeak;
    j["notes"] = r.notes;
    return j;
}

std::string figureText(const std::optional<double>& value, const char* unit) {
    return value ? DecibelText(*value, unit) : std::string("測定不能");
}

void printResult(const ImportResult& r) {
    std::cout << r.output << " ← " << r.source << "\n  " << ImportFormatText(r.format) << "、"
              << numfmt::format(r.seconds, "0.000") << " 秒、音量 " << figureText(r.loudnessBefore, "LUFS") << " → "
              << figureText(r.loudnessAfter, "LUFS") << "、ピーク " << figureText(r.truePeakAfter, "dBTP")
              << "、ゲイン " << DecibelText(r.gainDb, "dB") << "\n";
    for (const auto& note : r.notes)
        std::cout << "  注：" << note << "\n";
}

// The sources: files as given, folders as their audio files. A folder
// without any is refused (false).
bool expandSources(const std::vector<std::string>& given, std::vector<std::string>& sources) {
    bool all = true;
    for (const auto& path : given) {
        std::error_code ec;
        if (!fs::is_directory(path, ec)) {
            sources.push_back(path);
            continue;
        }
        const auto listed = ListImportSources(path);
        if (listed.empty()) {
            complain("「" + path + "」には取り込める音声ファイルがありません。");
            all = false;
        }
        sources.insert(sources.end(), listed.begin(), listed.end());
    }
    return all;
}

int run(const ImportArguments& args, const CliContext& context) {
    ImportOptions options;
    options.rate = args.rate;
    options.bits = args.bits;
    options.stereo = args.stereo;
    options.stereoAllowed = runningConfiguration(context, ProjectOptions{}).settings.stereoAllowed();
    options.loudnessTarget = args.noLoudness ? std::nullopt : std::optional<double>(args.loudness.value_or(kDefaultLoudnessTarget));
    options.peakCeiling = args.peak;
    options.trim = args.trim;
    if (const CheckResult refusal = CheckImportOptions(options)) {
        complain(refusal->text);
        return kUsage;
    }
    if (!MakeDir(args.out)) {
        complain("出力フォルダ「" + args.out + "」を作れません。");
        return kUsage;
    }
    std::vector<std::string> sources;
    const bool allFound = expandSources(args.sources, sources);
    if (!args.name.empty() && sources.size() != 1) {
        complain("--name は取り込むファイルが1つのときだけ指定できます。");
        return kUsage;
    }
    TakenNames taken;
    taken.addFolder(args.out);
    std::vector<ImportItem> items = PlanImportNames(sources, taken);
    if (!args.name.empty()) {
        items[0].name = NormaliseImportName(args.name);
        if (const CheckResult refusal = CheckImportName(items[0].name, taken)) {
            complain(refusal->text);
            return kUsage;
        }
    }

    AudioLibraries libraries;
    ImportBatchResult batch;
    int stopSignal = 0;
    {
        TerminalProgress progress;
        batch = RunImportBatch(items, args.out, options, libraries, progress);
        stopSignal = progress.stopSignalNumber();
        progress.finish();
    }
    Json list = Json::array();
    for (const ImportResult& r : batch.results) {
        if (r.status == ImportStatus::Stopped)
            continue;
        if (!r.imported())
            complain(r.failure);
        if (args.json)
            list.push_back(toJson(r));
        else if (r.imported())
            printResult(r);
    }
    if (args.json)
        std::cout << list.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
    std::cout.flush();
    if (batch.stopped)
        return stopSignal == SIGINT ? kInterrupted : 1;
    return allFound && batch.allImported() ? 0 : 1;
}

}  // namespace

void addImportCommand(CLI::App& app, CliContext& context) {
    auto args = std::make_shared<ImportArguments>();
    CLI::App* sub = app.add_subcommand(std::string(kImportHelper.name), std::string(kImportHelper.description));
    addHomeOption(*sub, context);
    sub->add_option("IN", args->sources, "Audio files, or folders of them")->required();
    sub->add_option("--out", args->out, "Folder to write the WAVE files into (made when missing)")->required();
    std::vector<std::uint32_t> rates(kAcceptedRates.begin(), kAcceptedRates.end());
    sub->add_option("--rate", args->rate, "Sampling rate in Hz (default 22050, never above the source's)")
        ->check(CLI::IsMember(rates));
    sub->add_option("--bits", args->bits, "Bits per sample (default 16)")->check(CLI::IsMember({8, 16}));
    sub->add_flag("--stereo", args->stereo, "Keep two channels (when the settings allow stereo)");
    auto* loudness = sub->add_option("--loudness", args->loudness, "Loudness target in LUFS (default -18)")
                         ->check(CLI::Range(kMinLoudnessTarget, kMaxLoudnessTarget));
    sub->add_flag("--no-loudness", args->noLoudness, "Keep the level as it is")->excludes(loudness);
    sub->add_option("--peak", args->peak, "True-peak ceiling in dBTP (default -1)")
        ->check(CLI::Range(kMinPeakCeiling, kMaxPeakCeiling));
    sub->add_flag("--trim", args->trim, "Trim leading and trailing silence (below -50 dBFS, 50 ms kept)");
    sub->add_option("--name", args->name, "File name of the one file imported (8.3, .WAV)");
    sub->add_flag("--json", args->json, "Print a JSON array of the files instead of lines");
    sub->callback([&context, args] { context.exitCode = run(*args, context); });
}

}  // namespace vexa::cli
