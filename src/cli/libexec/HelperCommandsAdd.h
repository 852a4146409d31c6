#pragma once
// The commands run by helpers (HelperCommands.h), one file each in this
// folder, and what every helper's main() does with its one command. Only
// declarations: a helper's main() compiles without the command-line library.
namespace CLI {
class App;
}

namespace vexa::cli {

struct CliContext;
using AddCommand = void (*)(CLI::App& app, CliContext& context);

void addPlayCommand(CLI::App& app, CliContext& context);    // WAVE files played through the sound output
void addPrintCommand(CLI::App& app, CliContext& context);   // the print-outs as a PDF file
void addImportCommand(CLI::App& app, CliContext& context);  // audio files of any format into WAVE files
void addVerifyCommand(CLI::App& app, CliContext& context);  // a card checked against its Project
void addCardsCommand(CLI::App& app, CliContext& context);   // the removable volumes a card can go to

// Parses the command line as `vexa` does with the one command `add` adds,
// and runs it; the exit code.
int RunHelper(int argc, char** argv, AddCommand add);

}  // namespace vexa::cli
