// vexa settings: what the editor reads at start-up from the Program Folder,
// the Configuration File and the element lists, printed as JSON.
#include "cli/Commands.h"
#include "core/config/ConfigurationFile.h"
#include "core/config/ElementPatternFile.h"
#include "core/files/InputFile.h"

#include <iostream>
#include <nlohmann/json.hpp>

namespace vexa::cli {
namespace {

using Json = nlohmann::ordered_json;

Json patternsJson(const std::array<PatternTime, 3>& patterns) {
    Json list = Json::array();
    for (const PatternTime& p : patterns)
        list.push_back({{"on", p.on}, {"off", p.off}});
    return list;
}

Json configurationJson(const Configuration& c) {
    const Settings& s = c.settings;
    Json user = Json::object();
    for (std::size_t i = 0; i < kUserInformationKeys.size(); ++i)
        user[kUserInformationKeys[i]] = c.user.values[i];
    return {
        {"System",
         {{"WaveRef", s.waveRef},
          {"CardPath", s.cardPath},
          {"CardName", s.cardName},
          {"MaxLine", s.maxLine},
          {"AddFunction1", s.addFunction1},
          {"AddFunction2", s.addFunction2}}},
        {"LedSeting", patternsJson(c.patternDefaults.led)},
        {"BuzzerSeting", patternsJson(c.patternDefaults.buzzer)},
        {"UserData", user},
    };
}

Json elementJson(const ElementPatternFile& elements) {
    Json models = Json::array();
    for (const ModelEntry& m : elements.models())
        models.push_back({{"label", m.label}, {"lines", m.lines}});
    Json json = {{"MaxLine", models}};
    for (std::string_view key :
         {element::kLedType, element::kBuzzerType, element::kEx, element::kSelect, element::kRepeat})
        json[std::string(key)] = elements.list(key);
    json["Card"] = elements.cardCapacities();
    return json;
}

void run(CliContext& context) {
    const ProgramPaths paths = context.paths();
    Json json = {{"ProgramFolder",
                  {{"path", paths.programFolder.string()},
                   {"kind", ProgramFolderKindName(context.programFolder().choice.kind)}}}};
    const StartupConfiguration startup = ReadStartupConfiguration(paths.configurationFile);
    for (const std::string& warning : startup.warnings())
        std::cerr << "vexa: " << warning << '\n';
    json.update(configurationJson(startup.configuration));
    const ElementPatternFile elements = ElementPatternFile::load(paths.elementPatternFile);
    if (!elements.readProblem().empty())
        std::cerr << "vexa: " << CannotReadText(paths.elementPatternFile, elements.readProblem()) << '\n';
    json["Element"] = elementJson(elements);
    std::cout << json.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
    context.exitCode = 0;
}

}  // namespace

void addSettingsCommand(CLI::App& app, CliContext& context) {
    CLI::App* sub = app.add_subcommand("settings", "Show the settings read at start-up from the Program Folder");
    addHomeOption(*sub, context);
    sub->callback([&context] { run(context); });
}

}  // namespace vexa::cli
