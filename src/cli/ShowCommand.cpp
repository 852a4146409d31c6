// vexa show FILE: loads a Control File as the editor's Load command does and
// prints the Project it gives as JSON, every value as the Project holds it.
#include "cli/Commands.h"
#include "cli/ConsoleDialogs.h"
#include "cli/ProjectLoading.h"
#include "cli/ProjectOptions.h"

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

namespace vexa::cli {
namespace {

using Json = nlohmann::ordered_json;

struct ShowArguments {
    std::string file;
    ProjectOptions options;
};

Json patternsJson(const std::array<PatternTime, 3>& patterns) {
    Json list = Json::array();
    for (const PatternTime& p : patterns)
        list.push_back({{"on", p.on}, {"off", p.off}});
    return list;
}

Json soundJson(const SoundEntry& s) {
    return {{"name", s.fileName},   {"rate", s.rate}, {"bits", s.bits},         {"channels", s.channels},
            {"length", s.length},   {"size", s.size}, {"path", s.sourcePath},   {"comment", s.comment}};
}

Json lineJson(const ProgramLine& l) {
    return {{"select", l.select},         {"repeat", l.repeat},         {"ledType", l.ledType},
            {"ledTime", l.ledTime},       {"buzzerType", l.buzzerType}, {"buzzerTime", l.buzzerTime},
            {"voices", l.voices},         {"time", l.time},             {"ex", l.ex}};
}

Json sheetJson(const ProgramSheet& sheet, int lineCount) {
    const SheetHeader& h = sheet.header;
    Json lines = Json::array();
    for (int n = 0; n < lineCount; ++n)
        lines.push_back(lineJson(sheet.lines[static_cast<std::size_t>(n)]));
    return {{"name", h.name},
            {"memo", h.memo},
            {"volume", h.volume},
            {"startHour", h.startHour},
            {"startMinute", h.startMinute},
            {"endHour", h.endHour},
            {"endMinute", h.endMinute},
            {"weekdays", h.weekdays},
            {"seasons", h.seasons},
            {"lines", lines}};
}

Json projectJson(const Project& project, const Settings& settings) {
    const int lineCount = usableLineCount(settings.lineCount());
    Json sounds = Json::array();
    for (const auto& s : project.sounds)
        sounds.push_back(soundJson(s));
    Json card = Json::object();
    for (const auto& field : kCardInformationFields)
        card[field.name] = project.card.*field.value;
    Json sheets = Json::array();
    for (int s = 0; s < kSheetCount; ++s)
        sheets.push_back(sheetJson(project.sheets[static_cast<std::size_t>(s)], lineCount));
    return {{"lineCount", lineCount},
            {"multiSheet", settings.multiSheet()},
            {"soundPresent", project.soundPresent},
            {"sounds", sounds},
            {"patterns", {{"led", patternsJson(project.patterns.led)}, {"buzzer", patternsJson(project.patterns.buzzer)}}},
            {"card", card},
            {"sheets", sheets}};
}

int run(const ShowArguments& args, const CliContext& context) {
    const Configuration configuration = runningConfiguration(context, args.options);
    ConsoleDialogs dialogs;
    const auto document = std::make_unique<Document>(configuration);
    if (!loadDocument(args.file, *document, dialogs))
        return 1;
    const Project& project = document->project();
    std::cout << projectJson(project, configuration.settings).dump(2, ' ', false, Json::error_handler_t::replace)
              << '\n';
    return 0;
}

}  // namespace

void addShowCommand(CLI::App& app, CliContext& context) {
    auto args = std::make_shared<ShowArguments>();
    CLI::App* sub = app.add_subcommand("show", "Load a Control File and print the Project as JSON");
    addHomeOption(*sub, context);
    addProjectOptions(*sub, args->options);
    sub->add_option("FILE", args->file, "Control File (.vxa, .ktr or .wpj)")->required();
    sub->callback([&context, args] { context.exitCode = run(*args, context); });
}

}  // namespace vexa::cli
