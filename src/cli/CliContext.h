#pragma once
// What every `vexa` command shares: the Program Folder chosen with --home (or
// the executable's own folder) and how messages reach the terminal.
#include "app/ProgramPaths.h"

#include <CLI/CLI.hpp>
#include <string>

namespace vexa::cli {

struct CliContext {
    std::string home;  // --home DIR; empty means the executable's folder
    int exitCode = 0;  // set by the command that ran

    ProgramPaths paths() const;
};

// Adds `--home DIR` to a command (the main program and each subcommand accept it).
void addHomeOption(CLI::App& app, CliContext& context);

}  // namespace vexa::cli
