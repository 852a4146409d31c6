#pragma once
// Lists each helper command (HelperCommands.h) among the commands of `vexa`;
// running one replaces this process with its helper, the arguments unchanged.
#include "cli/CliContext.h"

namespace vexa::cli {

void addHelperCommands(CLI::App& app, CliContext& context, int argc, char** argv);

}  // namespace vexa::cli
