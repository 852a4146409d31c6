#include "CliContext.h"

#include <filesystem>

namespace vexa::cli {

ProgramPaths CliContext::paths() const {
    if (!home.empty())
        return ProgramPaths::forFolder(std::filesystem::absolute(home));
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ProgramPaths::forFolder(ec ? std::filesystem::current_path() : exe.parent_path());
}

void addHomeOption(CLI::App& app, CliContext& context) {
    app.add_option("--home", context.home, "Program Folder to use instead of the executable's folder");
}

}  // namespace vexa::cli
