#include "cli/CliContext.h"
#include "cli/HelperCommands.h"
#include "cli/StandardOutput.h"
#include "cli/libexec/HelperCommandsAdd.h"
#include "core/config/Messages.h"

#include <CLI/CLI.hpp>
#include <clocale>

namespace vexa::cli {

int RunHelper(int argc, char** argv, AddCommand add) {
    std::setlocale(LC_ALL, "C.UTF-8");
    CliContext context;
    context.executableFolder = (OwnExecutableFolder() / kBinFromHelperFolder).lexically_normal();
    CLI::App app{GetMsg(msg::kAppTitle) + " — command line", "vexa"};
    app.require_subcommand(1);
    app.fallthrough();
    addHomeOption(app, context);
    add(app, context);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // Usage errors exit 2, as in vexa.
        const int rc = app.exit(e);
        return FinishStandardOutput(rc == 0 ? 0 : 2);
    }
    return FinishStandardOutput(context.exitCode);
}

}  // namespace vexa::cli
