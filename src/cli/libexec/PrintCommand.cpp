// vexa print FILE --pdf OUT: the print-outs of a Control File as a PDF, the
// same pages the print selection window prints, made without a display.
#include "cli/CliContext.h"
#include "cli/HelperCommands.h"
#include "cli/libexec/HelperCommandsAdd.h"
#include "cli/ConsoleDialogs.h"
#include "cli/ProjectLoading.h"
#include "cli/ProjectOptions.h"
#include "printlayout/PdfExport.h"
#include "core/config/ElementPatternFile.h"
#include "core/config/Messages.h"
#include "core/print/PrintJob.h"

#include <QGuiApplication>

#include <iostream>
#include <vector>
#include <memory>

namespace vexa::cli {
namespace {

struct PrintArguments {
    std::string file;
    std::string pdf;
    std::string reports = "editor,card,patterns,sounds,user";
    std::vector<int> weekMonths;
    ProjectOptions options;
};

constexpr int kUsageExit = 2;

int run(const PrintArguments& args, const CliContext& context) {
    std::string unknown;
    const auto choices = print::ParseReportNames(args.reports, unknown);
    if (!choices) {
        std::cerr << "--reports: unknown report \"" << unknown << "\" (editor, card, patterns, sounds, user, week)"
                  << std::endl;
        return kUsageExit;
    }
    if (const CheckResult nothing = print::CheckPrintChoices(*choices)) {
        std::cerr << nothing->text << std::endl;
        return kUsageExit;
    }

    const Configuration configuration = runningConfiguration(context, args.options);
    ConsoleDialogs dialogs;
    const auto document = loadDocumentWithCardInformation(args.file, configuration, dialogs);
    if (!document)
        return 1;

    // Fonts and the PDF writer need a GUI application, never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "vexa";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    const auto elements = ElementPatternFile::load(context.paths().elementPatternFile);
    const auto reports = print::BuildPrintJob(document->project(), document->configuration(), elements, *choices,
                                              print::PrintTimeNow(), args.weekMonths);
    NoProgress progress;
    const printlayout::PdfResult result =
        printlayout::WriteReportsPdf(args.pdf, reports, GetMsg(msg::kAppTitle), progress);
    if (!result.written()) {
        std::cerr << result.reason << std::endl;
        return 1;
    }
    std::cout << args.pdf << " (" << result.pages << (result.pages == 1 ? " page)" : " pages)") << std::endl;
    return 0;
}

}  // namespace

void addPrintCommand(CLI::App& app, CliContext& context) {
    auto args = std::make_shared<PrintArguments>();
    CLI::App* sub = app.add_subcommand(std::string(kPrintHelper.name), std::string(kPrintHelper.description));
    addHomeOption(*sub, context);
    addProjectOptions(*sub, args->options);
    sub->add_option("FILE", args->file, "Control File (.vxa, .ktr or .wpj); its WAVE files beside it")->required();
    sub->add_option("--pdf", args->pdf, "PDF file to write (replaced only once complete)")->required();
    sub->add_option("--reports", args->reports,
                    "reports to print, in job order whatever the order given: editor,card,patterns,sounds,user,week")
        ->capture_default_str();
    sub->add_option("--week-month", args->weekMonths,
                    "month of the week table, 1 … 12 or 0 for all year; repeat for one page each (default: this month)")
        ->check(CLI::Range(0, 12));
    sub->callback([&context, args] { context.exitCode = run(*args, context); });
}

}  // namespace vexa::cli
