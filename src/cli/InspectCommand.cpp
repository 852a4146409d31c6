// vexa inspect [--json] FILE.wav…: runs on each file, on its own, the checks
// that sound registration runs (format read, format and name check, header
// scan) and shows what the sound list would show, with the verdict.
#include "cli/Commands.h"
#include "cli/ConsoleDialogs.h"
#include "cli/ProjectOptions.h"
#include "core/config/Messages.h"
#include "core/sound/WaveRegistrationCheck.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <nlohmann/json.hpp>

namespace vexa::cli {
namespace {

using Json = nlohmann::ordered_json;

struct InspectArguments {
    std::vector<std::string> files;
    bool json = false;
    ProjectOptions options;
};

std::string message(const WaveRegistrationCheck& c) { return c.refusal ? c.refusal->text : std::string(); }

Json toJson(const WaveRegistrationCheck& c) {
    return {{"path", c.path},         {"name", c.name},         {"rate", c.rate},
            {"bits", c.bits},         {"channels", c.channels}, {"length", c.length},
            {"size", c.size},         {"accepted", c.accepted()}, {"message", message(c)}};
}

std::string verdict(const WaveRegistrationCheck& c) {
    std::string text = c.accepted() ? "accepted" : "refused: " + message(c);
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

void printRow(const std::array<std::string, 7>& cells) {
    static constexpr std::array<int, 6> kWidths = {14, 11, 8, 7, 9, 11};
    for (std::size_t i = 0; i < kWidths.size(); ++i)
        std::cout << std::left << std::setw(kWidths[i]) << cells[i] << ' ';
    std::cout << cells[6] << '\n';
}

void printTable(const std::vector<WaveRegistrationCheck>& rows) {
    printRow({"NAME", "SampleRate", "BitRate", "TYPE", "SEC", "BYTES", "VERDICT"});
    for (const auto& r : rows)
        printRow({r.name, r.rate, r.bits, r.channels, r.length, r.size, verdict(r)});
}

int run(const InspectArguments& args, const CliContext& context) {
    const bool stereoAllowed = runningConfiguration(context, args.options).settings.stereoAllowed();
    ConsoleDialogs console;
    std::vector<WaveRegistrationCheck> rows;
    bool allAccepted = true;
    for (const auto& file : args.files) {
        rows.push_back(CheckWaveForRegistration(file, stereoAllowed));
        Passed(console, rows.back().refusal);  // the window's message, on stderr
        allAccepted = allAccepted && rows.back().accepted();
    }
    if (args.json) {
        Json list = Json::array();
        for (const auto& r : rows)
            list.push_back(toJson(r));
        std::cout << list.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
    } else {
        printTable(rows);
    }
    return allAccepted ? 0 : 1;
}

}  // namespace

void addInspectCommand(CLI::App& app, CliContext& context) {
    auto args = std::make_shared<InspectArguments>();
    CLI::App* sub = app.add_subcommand(
        "inspect", "Check WAVE files as sound registration does (exit 1 when any is refused)");
    addHomeOption(*sub, context);
    sub->add_flag("--json", args->json, "Print a JSON array instead of a table");
    sub->add_flag("--stereo", args->options.stereo, "Accept stereo files");
    sub->add_option("FILE", args->files, "WAVE files")->required();
    sub->callback([&context, args] { context.exitCode = run(*args, context); });
}

}  // namespace vexa::cli
