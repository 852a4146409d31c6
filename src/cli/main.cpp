// vexa: the command-line companion of the editor, for scripting, batch work and
// diagnosis. Each command lives in its own file and registers itself below.
#include "cli/Commands.h"
#include "cli/HelperLaunch.h"
#include "cli/StandardOutput.h"
#include "core/config/Messages.h"

#include <CLI/CLI.hpp>
#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C.UTF-8");
    vexa::cli::CliContext context;
    CLI::App app{vexa::GetMsg(vexa::msg::kAppTitle) + " — command line", "vexa"};
    app.require_subcommand(1);
    app.fallthrough();
    app.set_version_flag("--version", std::string("vexa ") + VEXA_VERSION);
    vexa::cli::addHomeOption(app, context);

    // commands
    vexa::cli::addInspectCommand(app, context);
    vexa::cli::addShowCommand(app, context);
    vexa::cli::addResaveCommand(app, context);
    vexa::cli::addCardCommand(app, context);
    vexa::cli::addMonoCommand(app, context);
    vexa::cli::addSilenceCommand(app, context);
    vexa::cli::addSettingsCommand(app, context);
    vexa::cli::addTimelineCommand(app, context);
    vexa::cli::addWeekCommand(app, context);
    // play, print, import, verify and cards, each run by its helper program
    vexa::cli::addHelperCommands(app, context, argc, argv);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // Usage errors exit 2, like a refusal before any work starts.
        const int rc = app.exit(e);
        return vexa::cli::FinishStandardOutput(rc == 0 ? 0 : 2);
    }
    return vexa::cli::FinishStandardOutput(context.exitCode);
}
