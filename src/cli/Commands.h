#pragma once
// The commands of `vexa`, one file each; main() registers them in this order.
#include "CliContext.h"

namespace vexa::cli {

void addSettingsCommand(CLI::App& app, CliContext& context);  // settings read at start-up, as JSON

}  // namespace vexa::cli
