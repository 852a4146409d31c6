#pragma once
// What every `vexa` command shares: the Program Folder (--home, else the
// portable folder of the executable, else the user's own) and the exit code.
#include "core/app/ProgramFolderChoice.h"
#include "core/app/ProgramPaths.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

namespace vexa::cli {

struct CliContext {
    std::string home;  // --home DIR; empty means the executable's folder
    int exitCode = 0;  // set by the command that ran
    // The folder of `vexa` when another program (a helper) runs the command;
    // empty means this process's own executable's folder.
    std::filesystem::path executableFolder;

    // Chosen (and, for an installed program, seeded) once, on first use.
    const ResolvedProgramFolder& programFolder() const;
    ProgramPaths paths() const;

private:
    mutable std::optional<ResolvedProgramFolder> resolved_;
};

// Adds `--home DIR` to a command (the main program and each subcommand accept it).
void addHomeOption(CLI::App& app, CliContext& context);

}  // namespace vexa::cli
