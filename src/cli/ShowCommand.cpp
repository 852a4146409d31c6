// vexa show FILE: loads a Control File as the editor's Load command does and
// prints the Project it gives as JSON, every value as the Project holds it.
#include "cli/Commands.h"
#include "cli/ConsoleDialogs.h"
#include "cli/JsonWriter.h"
#include "cli/ProjectLoading.h"
#include "cli/ProjectOptions.h"

#include <iostream>
#include <memory>

namespace vexa::cli {
namespace {

struct ShowArguments {
    std::string file;
    ProjectOptions options;
};

// One field of an object: its key, then its value.
void field(JsonWriter& json, std::string_view key, std::string_view text) {
    json.key(key);
    json.text(text);
}

void writePatterns(JsonWriter& json, const std::array<PatternTime, 3>& patterns) {
    json.beginArray();
    for (const PatternTime& p : patterns) {
        json.beginObject();
        field(json, "on", p.on);
        field(json, "off", p.off);
        json.endObject();
    }
    json.endArray();
}

void writeSound(JsonWriter& json, const SoundEntry& s) {
    json.beginObject();
    field(json, "name", s.fileName);
    field(json, "rate", s.rate);
    field(json, "bits", s.bits);
    field(json, "channels", s.channels);
    field(json, "length", s.length);
    field(json, "size", s.size);
    field(json, "path", s.sourcePath);
    field(json, "comment", s.comment);
    json.endObject();
}

void writeLine(JsonWriter& json, const ProgramLine& l) {
    json.beginObject();
    field(json, "select", l.select);
    field(json, "repeat", l.repeat);
    field(json, "ledType", l.ledType);
    field(json, "ledTime", l.ledTime);
    field(json, "buzzerType", l.buzzerType);
    field(json, "buzzerTime", l.buzzerTime);
    json.key("voices");
    json.texts(l.voices);
    field(json, "time", l.time);
    json.key("ex");
    json.texts(l.ex);
    json.endObject();
}

void writeSheet(JsonWriter& json, const ProgramSheet& sheet, int lineCount) {
    const SheetHeader& h = sheet.header;
    json.beginObject();
    field(json, "name", h.name);
    field(json, "memo", h.memo);
    json.key("volume");
    json.number(h.volume);
    field(json, "startHour", h.startHour);
    field(json, "startMinute", h.startMinute);
    field(json, "endHour", h.endHour);
    field(json, "endMinute", h.endMinute);
    json.key("weekdays");
    json.numbers(h.weekdays);
    json.key("seasons");
    json.numbers(h.seasons);
    json.key("lines");
    json.beginArray();
    for (int n = 0; n < lineCount; ++n)
        writeLine(json, sheet.lines[static_cast<std::size_t>(n)]);
    json.endArray();
    json.endObject();
}

// The Project as one JSON object, written as it is walked.
void writeProject(JsonWriter& json, const Project& project, const Settings& settings) {
    const int lineCount = usableLineCount(settings.lineCount());
    json.beginObject();
    json.key("lineCount");
    json.number(lineCount);
    json.key("multiSheet");
    json.boolean(settings.multiSheet());
    json.key("soundPresent");
    json.boolean(project.soundPresent);
    json.key("sounds");
    json.beginArray();
    for (const auto& s : project.sounds)
        writeSound(json, s);
    json.endArray();
    json.key("patterns");
    json.beginObject();
    json.key("led");
    writePatterns(json, project.patterns.led);
    json.key("buzzer");
    writePatterns(json, project.patterns.buzzer);
    json.endObject();
    json.key("card");
    json.beginObject();
    for (const auto& f : kCardInformationFields)
        field(json, f.name, project.card.*f.value);
    json.endObject();
    json.key("sheets");
    json.beginArray();
    for (int s = 0; s < kSheetCount; ++s)
        writeSheet(json, project.sheets[static_cast<std::size_t>(s)], lineCount);
    json.endArray();
    json.endObject();
}

int run(const ShowArguments& args, const CliContext& context) {
    const Configuration configuration = runningConfiguration(context, args.options);
    ConsoleDialogs dialogs;
    const auto document = loadDocument(args.file, configuration, dialogs);
    if (!document)
        return 1;
    const Project& project = document->project();
    JsonWriter json(std::cout);
    writeProject(json, project, configuration.settings);
    json.finish();
    std::cout << '\n';
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
