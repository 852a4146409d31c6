#include "cli/HelperLaunch.h"

#include "cli/HelperCommands.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace vexa::cli {
namespace {

// Replaces this process with the helper; returns only when it cannot.
int runHelper(std::string_view name, int argc, char** argv) {
    const std::filesystem::path helper =
        (OwnExecutableFolder() / kHelperFolderFromBin / ("vexa-" + std::string(name))).lexically_normal();
    std::vector<char*> args(argv, argv + argc);
    args.push_back(nullptr);
    std::cout.flush();
    ::execv(helper.c_str(), args.data());
    std::cerr << "vexa " << name << ": 「" << helper.string() << "」を実行できません：" << std::strerror(errno)
              << '\n';
    return 1;
}

}  // namespace

std::filesystem::path OwnExecutableFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
}

void addHelperCommands(CLI::App& app, CliContext& context, int argc, char** argv) {
    for (const HelperCommand& command : kHelperCommands) {
        CLI::App* sub = app.add_subcommand(std::string(command.name), std::string(command.description));
        // Everything after the command's name, --help included, is the helper's to read.
        sub->prefix_command();
        sub->set_help_flag();
        sub->fallthrough(false);
        sub->callback([&context, name = command.name, argc, argv] { context.exitCode = runHelper(name, argc, argv); });
    }
}

}  // namespace vexa::cli
