// vexa inspect [--json] FILE.wav…: runs on each file, on its own, the checks
// that sound registration runs (format read, format and name check, header
// scan) and shows what the sound list would show, with the verdict.
#include "Commands.h"
#include "ConsoleDialogs.h"
#include "ProjectOptions.h"
#include "config/Messages.h"
#include "sound/WaveInspection.h"
#include "sound/WaveTexts.h"

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

// Prints like the console and keeps the last text, which the verdict shows.
class RecordingDialogs final : public UserDialogs {
public:
    std::string lastText;

    MessageAnswer showMessage(const MessageRequest& request) override {
        lastText = request.text;
        return console_.showMessage(request);
    }
    std::vector<std::string> chooseFiles(const FileChooserRequest& r) override { return console_.chooseFiles(r); }
    std::string chooseFolder(const std::string& f) override { return console_.chooseFolder(f); }

private:
    ConsoleDialogs console_;
};

struct Inspection {
    std::string path, name, rate, bits, channels, length, size;
    bool accepted = false;
    std::string message;  // what the registration window shows; "" for none
};

Inspection inspect(const std::string& path, bool stereoAllowed) {
    Inspection result;
    result.path = path;
    result.name = std::filesystem::path(path).filename().string();
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec)
        result.size = std::to_string(size);

    RecordingDialogs dialogs;
    const auto format = ReadWaveFormat(path, dialogs);
    if (!format) {
        result.message = dialogs.lastText;
        return result;
    }
    result.rate = RateText(format->samplesPerSec);
    result.bits = BitsText(format->bitsPerSample);
    result.channels = ChannelsText(format->channels);
    result.length = LengthText(GetWaveLength(path));
    if (!CheckWaveFormat(*format, path, stereoAllowed, dialogs)) {
        result.message = dialogs.lastText;  // "" for a refused name
        return result;
    }
    if (!CheckWaveHeader(path, stereoAllowed)) {
        result.message = GetMsg(2811);
        dialogs.showMessage({result.message, GetMsg(msg::kTitleConfirm), MessageIcon::Warning, MessageButtons::Ok});
        return result;
    }
    result.accepted = true;
    return result;
}

Json toJson(const Inspection& i) {
    return {{"path", i.path},         {"name", i.name},   {"rate", i.rate},
            {"bits", i.bits},         {"channels", i.channels}, {"length", i.length},
            {"size", i.size},         {"accepted", i.accepted}, {"message", i.message}};
}

std::string verdict(const Inspection& i) {
    if (i.accepted)
        return "accepted";
    if (i.message.empty())
        return "refused: not a short (8.3) file name";
    return "refused: " + i.message;
}

void printRow(const std::array<std::string, 7>& cells) {
    static constexpr std::array<int, 6> kWidths = {14, 11, 8, 7, 9, 11};
    for (std::size_t i = 0; i < kWidths.size(); ++i)
        std::cout << std::left << std::setw(kWidths[i]) << cells[i] << ' ';
    std::cout << cells[6] << '\n';
}

void printTable(const std::vector<Inspection>& rows) {
    printRow({"NAME", "SampleRate", "BitRate", "TYPE", "SEC", "BYTES", "VERDICT"});
    for (const auto& r : rows)
        printRow({r.name, r.rate, r.bits, r.channels, r.length, r.size, verdict(r)});
}

int run(const InspectArguments& args, const CliContext& context) {
    const bool stereoAllowed = runningConfiguration(context, args.options).settings.stereoAllowed();
    std::vector<Inspection> rows;
    bool allAccepted = true;
    for (const auto& file : args.files) {
        rows.push_back(inspect(file, stereoAllowed));
        allAccepted = allAccepted && rows.back().accepted;
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
