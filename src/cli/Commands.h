#pragma once
// The commands of `vexa`, one file each; main() registers them in this order.
#include "cli/CliContext.h"

namespace vexa::cli {

void addSettingsCommand(CLI::App& app, CliContext& context);  // settings read at start-up, as JSON
void addMonoCommand(CLI::App& app, CliContext& context);      // stereo WAVE file to mono
void addSilenceCommand(CLI::App& app, CliContext& context);   // silent WAVE file
void addInspectCommand(CLI::App& app, CliContext& context);   // WAVE files checked as registration does
void addShowCommand(CLI::App& app, CliContext& context);      // Control File loaded, Project as JSON
void addResaveCommand(CLI::App& app, CliContext& context);    // Control File loaded and written again
void addCardCommand(CLI::App& app, CliContext& context);      // card folder made from a Control File
void addPlayCommand(CLI::App& app, CliContext& context);      // WAVE files played through the sound output
void addTimelineCommand(CLI::App& app, CliContext& context);  // a sheet's test run timed without sound
void addPrintCommand(CLI::App& app, CliContext& context);     // the print-outs as a PDF file
void addWeekCommand(CLI::App& app, CliContext& context);      // when each sheet plays in the week
void addImportCommand(CLI::App& app, CliContext& context);    // audio files of any format into WAVE files
void addVerifyCommand(CLI::App& app, CliContext& context);    // a card checked against its Project
void addCardsCommand(CLI::App& app, CliContext& context);     // the removable volumes a card can go to

}  // namespace vexa::cli
