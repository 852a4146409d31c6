// vexa resave FILE OUT: loads a Control File and writes the Project to OUT as
// control data creation writes it, with the running User Information.
#include "cli/Commands.h"
#include "cli/ConsoleDialogs.h"
#include "cli/ProjectLoading.h"
#include "cli/ProjectOptions.h"
#include "core/controlfile/ControlFileWriter.h"

#include <iostream>
#include <memory>

namespace vexa::cli {
namespace {

struct ResaveArguments {
    std::string file;
    std::string out;
    ProjectOptions options;
};

int run(const ResaveArguments& args, const CliContext& context) {
    const Configuration configuration = runningConfiguration(context, args.options);
    ConsoleDialogs dialogs;
    const auto document = loadDocument(args.file, configuration, dialogs);
    if (!document)
        return 1;
    const Project& project = document->project();
    if (const WriteResult written = WriteControlFile(project, configuration.settings, args.out); !written) {
        std::cerr << "cannot write the Control File: " << args.out << "\n" << written.message << std::endl;
        return 1;
    }
    return 0;
}

}  // namespace

void addResaveCommand(CLI::App& app, CliContext& context) {
    auto args = std::make_shared<ResaveArguments>();
    CLI::App* sub = app.add_subcommand("resave", "Load a Control File and write it again to OUT");
    addHomeOption(*sub, context);
    addProjectOptions(*sub, args->options);
    sub->add_option("FILE", args->file, "Control File (.vxa, .ktr or .wpj)")->required();
    sub->add_option("OUT", args->out, "Control File to write")->required();
    sub->callback([&context, args] { context.exitCode = run(*args, context); });
}

}  // namespace vexa::cli
