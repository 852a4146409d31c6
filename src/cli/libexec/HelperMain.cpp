// vexa-NAME: a helper of `vexa` for one command that needs large libraries
// (HelperCommands.h). It reads the same command line as `vexa`, and the same
// Program Folder: that of the `vexa` beside which it is installed.
#include "cli/HelperCommands.h"
#include "cli/libexec/HelperCommandsAdd.h"
#include "core/config/Messages.h"

#include <CLI/CLI.hpp>
#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C.UTF-8");
    vexa::cli::CliContext context;
    context.executableFolder =
        (vexa::cli::OwnExecutableFolder() / vexa::cli::kBinFromHelperFolder).lexically_normal();
    CLI::App app{vexa::GetMsg(vexa::msg::kAppTitle) + " — command line", "vexa"};
    app.require_subcommand(1);
    app.fallthrough();
    vexa::cli::addHomeOption(app, context);
    vexa::cli::VEXA_HELPER_COMMAND(app, context);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int rc = app.exit(e);
        return rc == 0 ? 0 : 2;
    }
    return context.exitCode;
}
