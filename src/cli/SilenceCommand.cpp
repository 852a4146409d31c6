// vexa silence --seconds N [--rate 22050|44100] [--bits 8|16] DST: makes a
// silent mono WAVE file, with the defaults the tools window opens with.
#include "cli/Commands.h"
#include "cli/ConsoleDialogs.h"
#include "cli/TerminalProgress.h"
#include "core/wavetools/MakeSilence.h"
#include "core/wavetools/SilenceChecks.h"

#include <charconv>

namespace vexa::cli {
namespace {

// The longest time the tools window can set: 60 minutes 59 seconds.
constexpr int kLongestSeconds = 60 * 60 + 59;

// 1 … 3659 in the help and in the error alike. 0 passes on to the tools' own
// refusal ("０秒以上の時間を指定してください。"), which says the same.
CLI::Validator secondsRange() {
    const std::string range = "1 to " + std::to_string(kLongestSeconds);
    return CLI::Validator(
        [range](std::string& text) -> std::string {
            int value = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
            if (error != std::errc{} || end != text.data() + text.size() || value < 0 || value > kLongestSeconds)
                return "Value " + text + " not in range " + range;
            return {};
        },
        "INT in [1 - " + std::to_string(kLongestSeconds) + "]");
}

struct SilenceArguments {
    int seconds = 0;
    int rate = 22050;
    int bits = 16;
    std::string destination;
};

int run(const SilenceArguments& args) {
    ConsoleDialogs dialogs;
    if (CheckSilenceRequest(args.seconds, args.destination, dialogs) != SilenceEntry::None)
        return static_cast<int>(JobResult::Failed);
    return RunToolsJob(
        SilenceFileSize(args.seconds, args.rate, args.bits),
        [&](ProgressLink& link) { return MakeSilence(args.destination, args.seconds, args.rate, args.bits, link); },
        dialogs);
}

}  // namespace

void addSilenceCommand(CLI::App& app, CliContext& context) {
    auto args = std::make_shared<SilenceArguments>();
    CLI::App* sub = app.add_subcommand("silence", "Make a silent mono WAVE file (exit 0 done, 1 stopped by Ctrl+C, SIGTERM or SIGHUP, 2 failed or refused)");
    addHomeOption(*sub, context);
    sub->add_option("--seconds", args->seconds, "Length in seconds")
        ->required()
        ->check(secondsRange());
    sub->add_option("--rate", args->rate, "Sampling rate in Hz")->check(CLI::IsMember({22050, 44100}));
    sub->add_option("--bits", args->bits, "Bits per sample")->check(CLI::IsMember({8, 16}));
    sub->add_option("DST", args->destination, "WAVE file to write")->required();
    sub->callback([&context, args] { context.exitCode = run(*args); });
}

}  // namespace vexa::cli
