#pragma once
// The commands run by helpers (HelperCommands.h), one file each in this folder.
#include "cli/CliContext.h"

namespace vexa::cli {

void addPlayCommand(CLI::App& app, CliContext& context);    // WAVE files played through the sound output
void addPrintCommand(CLI::App& app, CliContext& context);   // the print-outs as a PDF file
void addImportCommand(CLI::App& app, CliContext& context);  // audio files of any format into WAVE files

}  // namespace vexa::cli
