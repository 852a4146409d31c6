#include "cli/ProjectOptions.h"

#include "core/config/ConfigurationFile.h"

#include <iostream>

namespace vexa::cli {

void addProjectOptions(CLI::App& app, ProjectOptions& options) {
    app.add_option("--lines", options.lines, "Line Count (lines per sheet), instead of MaxLine")
        ->check(CLI::Range(0, 256));
    auto* multi = app.add_flag("--multi", options.multi, "Multi-sheet mode on");
    auto* single = app.add_flag("--single", options.single, "Multi-sheet mode off");
    multi->excludes(single);
    app.add_flag("--stereo", options.stereo, "Accept stereo files");
}

Configuration runningConfiguration(const CliContext& context, const ProjectOptions& options) {
    const StartupConfiguration startup = ReadStartupConfiguration(context.paths().configurationFile);
    if (!startup.fileProblem.empty())
        std::cerr << "vexa: " << startup.fileProblem << std::endl;
    // --lines names the Line Count: what MaxLine holds does not matter then.
    if (!startup.lineCountProblem.empty() && !options.lines)
        std::cerr << "vexa: " << startup.lineCountProblem << std::endl;
    Configuration configuration = startup.configuration;
    Settings& settings = configuration.settings;
    if (options.lines)
        settings.maxLine = static_cast<std::int16_t>(*options.lines);
    if (options.multi)
        settings.addFunction1 = 1;
    if (options.single)
        settings.addFunction1 = 0;
    if (options.stereo)
        settings.addFunction2 = 1;
    return configuration;
}

}  // namespace vexa::cli
