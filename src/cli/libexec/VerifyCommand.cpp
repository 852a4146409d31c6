// vexa verify CARD_DIR: checks a card (its top folder) or any folder holding a
// card set against a Control File (--against), or against the Control File
// found in the folder, and prints the findings. Exit 0 when clean (notes
// allowed), 1 when any error or warning, 2 for a usage error.
#include "cli/CardChecking.h"
#include "cli/Commands.h"
#include "cli/HelperCommands.h"
#include "cli/ConsoleDialogs.h"
#include "cli/ProjectLoading.h"
#include "cli/ProjectOptions.h"
#include "core/card/CardPreparation.h"
#include "core/document/Document.h"
#include "udisks/UDisks2Service.h"

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
    std::unique_ptr<Document> document;
    std::optional<Project> project;
    if (args.against) {
        document = loadDocumentWithCardInformation(*args.against, configuration, dialogs);
        if (!document)
            return 1;
        // The Project as card creation writes it.
        project = document->project();
        project->card = CardInformationToWrite(CardEntriesOnOpening(*project, configuration.settings));
    } else {
        document = std::make_unique<Document>(configuration);
    }
    UDisks2Service service;
    const CardVerification result =
        checkCardFolder(args.folder, project, document->project(), configuration.settings, &service);
    return reportFindings(result, args.folder, args.json);
}

}  // namespace

void addVerifyCommand(CLI::App& app, CliContext& context) {
    auto args = std::make_shared<VerifyArguments>();
    CLI::App* sub = app.add_subcommand(std::string(kVerifyHelper.name), std::string(kVerifyHelper.description));
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
