#include "cli/CliContext.h"

#include <iostream>

namespace vexa::cli {

const ResolvedProgramFolder& CliContext::programFolder() const {
    if (!resolved_) {
        ProgramFolderInputs inputs = CurrentProgramFolderInputs(home);
        if (!executableFolder.empty())
            inputs.executableFolder = executableFolder;
        resolved_ = ResolveProgramFolder(inputs);
        if (!resolved_->seedError.empty())
            std::cerr << "vexa: " << resolved_->seedError << '\n';
    }
    return *resolved_;
}

ProgramPaths CliContext::paths() const { return programFolder().paths; }

void addHomeOption(CLI::App& app, CliContext& context) {
    app.add_option("--home", context.home, "Program Folder to use instead of the portable or per-user one");
}

}  // namespace vexa::cli
