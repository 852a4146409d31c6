// vexa verify CARD_DIR: checks a card (its top folder) or any folder holding a
// card set against a Control File (--against), or against the Control File
// found in the folder, and prints the findings. Exit 0 when clean (notes
// allowed), 1 when any error or warning, 2 for a usage error.
#include "cli/CardChecking.h"
#include "cli/Commands.h"
#include "cli/ConsoleDialogs.h"
#include "cli/ProjectLoading.h"
#include "cli/ProjectOptions.h"
#include "core/card/CardPreparation.h"
#include "core/document/Document.h"

#include <iostream>
#include <memory>

namespace vexa::cli {
namespace {

struct VerifyArguments {
    std::string folder;
    std::optional<std::string> against;
    bool json = false;
    ProjectOptions options;
};

int run(const VerifyArguments& args, const CliContext& context) {
    const Configuration configuration = runningConfiguration(context, args.options);
    ConsoleDialogs dialogs;
    const auto document = std::make_unique<Document>(configuration);
    std::optional<Project> project;
    if (args.against) {
        if (!loadDocumentWithCardInformation(*args.against, *document, dialogs))
            return 1;
        // The Project as card creation writes it.
        project = document->project();
        project->card = CardInformationToWrite(CardEntriesOnOpening(*project, configuration.settings));
    }
    const CardVerification result =
        checkCardFolder(args.folder, project, document->project(), configuration.settings);
    return reportFindings(result, args.folder, args.json);
}

}  // namespace

void addVerifyCommand(CLI::App& app, CliContext& context) {
    auto args = std::make_shared<VerifyArguments>();
    CLI::App* sub = app.add_subcommand(
        "verify", "Check a card (or a folder holding a card set): Control File, WAVE files, names, size, file system");
    addHomeOption(*sub, context);
    addProjectOptions(*sub, args->options);
    sub->add_option("CARD_DIR", args->folder, "the card's top folder, or a Card Folder")
        ->required()
        ->check(CLI::ExistingDirectory);
    sub->add_option("--against", args->against, "Control File to compare with (its WAVE files beside it)");
    sub->add_flag("--json", args->json, "print the findings as JSON");
    sub->callback([&context, args] { context.exitCode = run(*args, context); });
}

}  // namespace vexa::cli
