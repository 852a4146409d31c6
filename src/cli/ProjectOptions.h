#pragma once
// The settings that shape a Project on the command line: those of the
// Configuration File in the Program Folder, as the editor reads them at
// start-up, overridden by --lines, --multi / --single and --stereo.
#include "cli/CliContext.h"
#include "core/config/Configuration.h"

#include <optional>

namespace vexa::cli {

struct ProjectOptions {
    std::optional<int> lines;
    bool multi = false;
    bool single = false;
    bool stereo = false;
};

// Adds --lines N, --multi, --single and --stereo to a command.
void addProjectOptions(CLI::App& app, ProjectOptions& options);

// The Configuration File's contents with the options applied.
Configuration runningConfiguration(const CliContext& context, const ProjectOptions& options);

}  // namespace vexa::cli
