// vexa card FILE: makes the card folder from a Control File (its sounds beside
// it), with the Card Information the file holds, as the creation window does,
// and ends as it does: "作成完了", then 2030 with the card folder (2077).
#include "Commands.h"
#include "ConsoleDialogs.h"
#include "ProjectLoading.h"
#include "ProjectOptions.h"
#include "TerminalProgress.h"
#include "card/CardCreation.h"
#include "card/CardPreparation.h"
#include "card/SheetCheck.h"
#include "config/Messages.h"
#include "document/CardInformationEdit.h"
#include "document/Document.h"
#include "model/ControlFileReader.h"

#include <iostream>
#include <memory>
#include <optional>

namespace vexa::cli {
namespace {

struct CardArguments {
    std::string file;
    std::optional<std::string> cardPath;
    bool replace = false;
    ProjectOptions options;
};

int create(Document& document, bool replace, UserDialogs& dialogs) {
    const CardCheck check = CheckCardCreation(document.project(), document.configuration().settings);
    switch (check.outcome) {
    case CardCheckOutcome::SheetErrors:
        std::cerr << ErrorListText(check.sheetErrors) << std::flush;
        return 1;
    case CardCheckOutcome::EntryRefused:
    case CardCheckOutcome::NoCardDataFolder:
        std::cerr << check.refusal->text << std::endl;
        return 1;
    case CardCheckOutcome::Ready:
        break;
    }
    const CardJob& job = *check.job;
    std::error_code error;
    if (std::filesystem::exists(job.cardFolder, error) && !replace) {
        std::cerr << GetMsg(msg::kReplaceCardFolder, ReplacedFolderLine(job.cardFolder))
                  << "\n(--replace replaces its files)" << std::endl;
        return 1;
    }
    TerminalProgress progress;
    const CardCreationResult result = CreateCard(job, progress);
    if (result.completed())
        progress.setCaption(GetMsg(msg::kCardCreated));
    progress.finish();
    if (!result.recovery.empty())
        std::cerr << result.recovery << std::endl;
    switch (result.outcome) {
    case CardCreationResult::Outcome::Completed:
        document.markWritten();
        // What the window says at the end (on stderr, as every message), and
        // the card folder alone on stdout for scripts.
        dialogs.showMessage(CardDoneMessage(job.cardFolder));
        std::cout << job.cardFolder.string() << std::endl;
        return 0;
    case CardCreationResult::Outcome::Stopped:
        std::cerr << "stopped: the card folder was left as it was" << std::endl;
        return 1;
    case CardCreationResult::Outcome::Failed:
        break;
    }
    std::cerr << CardFailureRefusal(result.problem).text << std::endl;
    return 1;
}

int run(const CardArguments& args, const CliContext& context) {
    Configuration configuration = runningConfiguration(context, args.options);
    if (args.cardPath)
        configuration.settings.cardPath = *args.cardPath;
    ConsoleDialogs dialogs;
    const auto document = std::make_unique<Document>(configuration);
    if (!loadDocumentWithCardInformation(args.file, *document, dialogs))
        return 1;
    // The entries as the creation window would show and write them.
    const Project& project = document->project();
    CardInformation entries = CardInformationToWrite(CardEntriesOnOpening(project, configuration.settings));
    document->apply(std::make_unique<CardInformationEdit>(project.card, std::move(entries)));
    return create(*document, args.replace, dialogs);
}

}  // namespace

void addCardCommand(CLI::App& app, CliContext& context) {
    auto args = std::make_shared<CardArguments>();
    CLI::App* sub = app.add_subcommand(
        "card", "Make the card folder (Control File and WAVE files) from a Control File and print its path");
    addHomeOption(*sub, context);
    addProjectOptions(*sub, args->options);
    sub->add_option("FILE", args->file, "Control File (.vxa, .ktr or .wpj); its WAVE files beside it")->required();
    sub->add_option("--card-path", args->cardPath, "card data folder, instead of CardPath of the configuration");
    sub->add_flag("--replace", args->replace, "replace the files of an existing card folder");
    sub->callback([&context, args] { context.exitCode = run(*args, context); });
}

}  // namespace vexa::cli
