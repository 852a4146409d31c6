// vexa mono SRC DST: converts a stereo WAVE file to mono after the checks the
// tools window runs for a single file. An existing DST is replaced.
#include "cli/Commands.h"
#include "cli/ConsoleDialogs.h"
#include "cli/TerminalProgress.h"
#include "core/wavetools/ConversionChecks.h"
#include "core/wavetools/ConvertToMono.h"

#include <filesystem>

namespace vexa::cli {
namespace {

struct MonoArguments {
    std::string source;
    std::string destination;
};

int run(const MonoArguments& args) {
    ConsoleDialogs dialogs;
    if (CheckFileConversion(args.source, args.destination, dialogs) != ConversionEntry::None ||
        !CheckStereoSource(args.source, dialogs))
        return static_cast<int>(JobResult::Failed);
    std::error_code ec;
    const auto total = std::filesystem::file_size(args.source, ec);
    return RunToolsJob(ec ? 0 : total,
                       [&](ProgressLink& link) { return ConvertToMono(args.source, args.destination, link); },
                       dialogs);
}

}  // namespace

void addMonoCommand(CLI::App& app, CliContext& context) {
    auto args = std::make_shared<MonoArguments>();
    CLI::App* sub = app.add_subcommand("mono", "Convert a stereo WAVE file to mono (exit 0 done, 1 stopped by Ctrl+C, SIGTERM or SIGHUP, 2 failed or refused)");
    addHomeOption(*sub, context);
    sub->add_option("SRC", args->source, "Stereo WAVE file")->required();
    sub->add_option("DST", args->destination, "Mono WAVE file to write")->required();
    sub->callback([&context, args] { context.exitCode = run(*args); });
}

}  // namespace vexa::cli
