// vexa card FILE: makes the card folder from a Control File (its sounds beside
// it), with the Card Information the file holds, as the creation window does,
// and ends as it does: "作成完了", then 2030 with the card folder (2077).
#include "cli/CardChecking.h"
#include "cli/Commands.h"
#include "cli/ConsoleDialogs.h"
#include "cli/ProjectLoading.h"
#include "cli/ProjectOptions.h"
#include "cli/TerminalProgress.h"
#include "core/card/CardCreation.h"
#include "core/card/CardPreparation.h"
#include "core/card/SheetCheck.h"
#include "core/cardcheck/CardSetWrite.h"
#include "core/config/Messages.h"
#include "core/document/Edits.h"
#include "core/document/Document.h"
#include "core/files/MakeDir.h"
#include "core/controlfile/ControlFileReader.h"

#include <iostream>
#include <memory>
#include <optional>

namespace vexa::cli {
namespace {

struct CardArguments {
    std::string file;
    std::optional<std::string> cardPath;
    bool makeCardPath = false;
    bool replace = false;
    bool verify = false;                // check the Card Folder right after writing
    std::optional<std::string> to;      // then write the set to this card's top folder and check it there
    ProjectOptions options;
};

// Where the card data folder came from, as the messages name it.
std::string cardPathSource(const CardArguments& args, const CliContext& context) {
    if (args.cardPath)
        return "--card-path で指定されたフォルダ";
    return "設定ファイル「" + context.paths().configurationFile.string() + "」の CardPath";
}

// Why there is no card data folder to create the card in; the editor's 2070
// points at its settings window, which a command-line user may never have seen.
std::string noCardDataFolderText(const CardCheck& check, const CardArguments& args, const CliContext& context) {
    const std::string& folder = check.cardDataFolder;
    if (folder.empty())
        return "カードデータフォルダが指定されていません（設定ファイル「" +
               context.paths().configurationFile.string() +
               "」に CardPath がありません）。\n--card-path DIR で作成先のフォルダを指定してください。";
    if (check.outcome == CardCheckOutcome::CardDataFolderMissing)
        return "カードデータフォルダ「" + folder + "」は存在しません（" + cardPathSource(args, context) +
               "）。\n--make-card-path を付けると作成します。";
    return "カードデータフォルダ「" + folder + "」はフォルダではないか、開けません（" +
           cardPathSource(args, context) + "）。";
}

// After a completed creation: the check of the Card Folder (--verify), then
// the set written to the card and checked there (--to). The findings go to
// stderr: stdout holds the card folder alone.
int afterCreation(const CardJob& job, const CardArguments& args) {
    if (args.verify) {
        const int code = reportFindings(checkCardFolder(job.cardFolder, job.project, job.project, job.settings, nullptr),
                                        job.cardFolder, false, std::cerr);
        if (code != 0)
            return code;
    }
    if (!args.to)
        return 0;
    const std::filesystem::path card = *args.to;
    CardSetWriteResult written;
    {
        TerminalProgress progress;
        written = WriteCardSet({job.cardFolder, card, job.project, job.settings}, progress);
        progress.setCaption(written.written() ? "カードへの書き込み完了" : "カードへの書き込みは完了していません");
        progress.finish();
    }
    if (written.outcome == CardSetWriteResult::Outcome::Stopped) {
        std::cerr << "stopped: the card was left as it was" << std::endl;
        return 1;
    }
    if (!written.written()) {
        std::cerr << written.problem << "\nカードの古いセットはそのままです。" << std::endl;
        return 1;
    }
    for (const std::string& name : written.removed)
        std::cerr << "古いセットのファイル「" << (card / name).string() << "」を削除しました。" << std::endl;
    return reportFindings(checkCardFolder(card, job.project, job.project, job.settings, nullptr), card, false, std::cerr);
}

int create(Document& document, const CardArguments& args, const CliContext& context, UserDialogs& dialogs) {
    const bool replace = args.replace;
    CardCheck check = CheckCardCreation(document.project(), document.configuration().settings);
    // The folder is made only when asked for: a mistyped path (or a card
    // that is not mounted) must not quietly become a new folder on another disk.
    if (check.outcome == CardCheckOutcome::CardDataFolderMissing && args.makeCardPath) {
        if (!MakeDir(check.cardDataFolder)) {
            std::cerr << GetMsg(msg::kFolderNotCreated, "\n" + CardDataFolderLine(check.cardDataFolder)) << std::endl;
            return 1;
        }
        check = CheckCardCreation(document.project(), document.configuration().settings);
    }
    switch (check.outcome) {
    case CardCheckOutcome::SheetErrors:
        std::cerr << ErrorListText(check.sheetErrors) << std::flush;
        return 1;
    case CardCheckOutcome::EntryRefused:
        std::cerr << check.refusal->text << std::endl;
        return 1;
    case CardCheckOutcome::NoCardDataFolder:
    case CardCheckOutcome::CardDataFolderMissing:
        std::cerr << noCardDataFolderText(check, args, context) << std::endl;
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
        return afterCreation(job, args);
    case CardCreationResult::Outcome::Stopped:
        std::cerr << "stopped: the card folder was left as it was" << std::endl;
        return 1;
    case CardCreationResult::Outcome::Failed:
        break;
    }
    std::cerr << CardFailureRefusal(result.problem, result.folderChanged).text << std::endl;
    return 1;
}

int run(const CardArguments& args, const CliContext& context) {
    Configuration configuration = runningConfiguration(context, args.options);
    if (args.cardPath)
        configuration.settings.cardPath = *args.cardPath;
    ConsoleDialogs dialogs;
    const auto document = loadDocumentWithCardInformation(args.file, configuration, dialogs);
    if (!document)
        return 1;
    // The entries as the creation window would show and write them.
    const Project& project = document->project();
    CardInformation entries = CardInformationToWrite(CardEntriesOnOpening(project, configuration.settings));
    EditCardInformation(*document, std::move(entries));
    return create(*document, args, context, dialogs);
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
    sub->add_flag("--make-card-path", args->makeCardPath, "create the card data folder when it does not exist");
    sub->add_flag("--replace", args->replace, "replace the files of an existing card folder");
    sub->add_flag("--verify", args->verify, "check the card folder right after writing it");
    sub->add_option("--to", args->to, "then write the set to this card's top folder (a mount point) and check it there")
        ->check(CLI::ExistingDirectory);
    sub->callback([&context, args] { context.exitCode = run(*args, context); });
}

}  // namespace vexa::cli
