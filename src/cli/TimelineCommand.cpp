// vexa timeline FILE [--sheet N] [--line N] [--json]: plays a sheet (or one
// line) of a Control File as the editor's test does, without sound, each voice
// lasting its measured play length, and prints when each line starts and
// ends, when each voice starts and when the LED and BUZZER pictures change,
// then the total, and warns when the sheet is longer than its time window.
// Exit 0, or 1 when the file is not loaded, the sheet fails the check before a
// test or a voice cannot be played.
#include "cli/Commands.h"
#include "cli/ConsoleDialogs.h"
#include "cli/ProjectLoading.h"
#include "cli/ProjectOptions.h"
#include "core/editor/ProgramGrid.h"
#include "core/editor/TestTimeline.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>

namespace vexa::cli {
namespace {

using Json = nlohmann::ordered_json;

struct TimelineArguments {
    std::string file;
    int sheet = 1;
    std::optional<int> line;
    bool json = false;
    ProjectOptions options;
};

std::string seconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string at(long tick) { return "tick " + std::to_string(tick) + " (" + seconds(TickSeconds(tick)) + " s)"; }

int lineNumber(int row) { return row - kGridHeaderRows + 1; }

Json switchesJson(const std::vector<TimelineSwitch>& switches) {
    Json list = Json::array();
    for (const auto& s : switches)
        list.push_back({{"tick", s.tick}, {"on", s.on}});
    return list;
}

Json timelineJson(const Timeline& timeline, int sheet, std::optional<int> window) {
    Json lines = Json::array();
    for (const TimelineLine& line : timeline.lines) {
        Json voices = Json::array();
        for (const auto& v : line.voices)
            voices.push_back({{"file", v.file}, {"start_tick", v.tick}});
        lines.push_back({{"line", lineNumber(line.row)},
                         {"start_tick", line.startTick},
                         {"end_tick", line.endTick},
                         {"start_seconds", TickSeconds(line.startTick)},
                         {"end_seconds", TickSeconds(line.endTick)},
                         {"voices", voices},
                         {"led", switchesJson(line.led)},
                         {"buzzer", switchesJson(line.buzzer)}});
    }
    Json out = {{"sheet", sheet},
                {"ticks", timeline.ticks},
                {"seconds", timeline.seconds()},
                {"window_seconds", window ? Json(*window) : Json(nullptr)},
                {"fits", window ? Json(timeline.seconds() <= *window) : Json(nullptr)},
                {"lines", lines},
                {"notes", timeline.notes}};
    if (timeline.fault)
        out["error"] = timeline.fault->text;
    return out;
}

void printSwitches(const char* output, const char* onText, const std::vector<TimelineSwitch>& switches) {
    for (const auto& s : switches)
        std::cout << "  " << at(s.tick) << "  " << output << ' ' << (s.on ? onText : "off") << '\n';
}

void printTimeline(const Timeline& timeline, int sheet, std::optional<int> window) {
    std::cout << "sheet " << sheet;
    if (window)
        std::cout << ", time window " << *window << " s";
    std::cout << '\n';
    if (!timeline.started)
        std::cout << "no line to play\n";
    for (const TimelineLine& line : timeline.lines) {
        std::cout << "line " << lineNumber(line.row) << ": " << at(line.startTick) << " to " << at(line.endTick)
                  << '\n';
        for (const auto& v : line.voices)
            std::cout << "  " << at(v.tick) << "  voice " << v.file << '\n';
        printSwitches("LED", "lit", line.led);
        printSwitches("BUZZER", "sounding", line.buzzer);
    }
    std::cout << "total: " << timeline.ticks << " ticks, " << seconds(timeline.seconds()) << " s\n";
}

// Check Sheet as the editor runs it before a test; false after saying why.
bool sheetPasses(Document& document, const ProgramPaths& paths, int sheet) {
    ProgramGrid grid(document, paths.elementPatternFile);
    grid.setup(document.configuration().settings.lineCount());
    grid.setSheet(sheet);
    const CheckResult refusal = grid.checkSheet();
    if (!refusal)
        return true;
    const GridColumn& column = gridColumn(refusal->col);
    std::cerr << "vexa timeline: line " << lineNumber(refusal->row) << " (" << column.top << ' ' << column.bottom
              << "): " << refusal->text << std::endl;
    return false;
}

int run(const TimelineArguments& args, const CliContext& context) {
    const Configuration configuration = runningConfiguration(context, args.options);
    const int lineCount = usableLineCount(configuration.settings.lineCount());
    if (args.line && (*args.line < 1 || *args.line > lineCount)) {
        std::cerr << "vexa timeline: --line must be 1 … " << lineCount << std::endl;
        return 2;
    }
    ConsoleDialogs dialogs;
    const auto document = loadDocument(args.file, configuration, dialogs);
    if (!document)
        return 1;
    const int sheetIndex = args.sheet - 1;
    if (!sheetPasses(*document, context.paths(), sheetIndex))
        return 1;

    const Project& project = document->project();
    const ProgramSheet& sheet = project.sheets[static_cast<std::size_t>(sheetIndex)];
    const auto lines = std::span(sheet.lines).first(static_cast<std::size_t>(lineCount));
    const TestEntry entry = args.line ? TestEntry::LineButton : TestEntry::Sim;
    const int row = args.line ? *args.line + kGridHeaderRows - 1 : kGridHeaderRows;
    const Timeline timeline =
        RunTimeline(BuildTestTable(lines, project.sounds, row, entry), row, entry, project.patterns);
    const std::optional<int> window = SheetWindowSeconds(sheet.header);

    if (args.json)
        std::cout << timelineJson(timeline, args.sheet, window).dump(2, ' ', false, Json::error_handler_t::replace)
                  << '\n';
    else
        printTimeline(timeline, args.sheet, window);
    for (const std::string& note : timeline.notes)
        std::cerr << "vexa timeline: " << note << '\n';
    if (window && timeline.seconds() > *window)
        std::cerr << "warning: the sheet lasts " << seconds(timeline.seconds()) << " s, longer than its time window of "
                  << *window << " s" << std::endl;
    if (timeline.fault) {
        std::cerr << "vexa timeline: " << timeline.fault->text << std::endl;
        return 1;
    }
    return 0;
}

}  // namespace

void addTimelineCommand(CLI::App& app, CliContext& context) {
    auto args = std::make_shared<TimelineArguments>();
    CLI::App* sub = app.add_subcommand(
        "timeline", "Play a sheet of a Control File without sound and print when each line, voice, LED and BUZZER "
                    "starts and ends, and the total time");
    addHomeOption(*sub, context);
    addProjectOptions(*sub, args->options);
    sub->add_option("FILE", args->file, "Control File (.vxa, .ktr or .wpj)")->required();
    sub->add_option("--sheet", args->sheet, "sheet number, 1 … 8 (default 1)")->check(CLI::Range(1, kSheetCount));
    sub->add_option("--line", args->line, "play only this line (from 1)");
    sub->add_flag("--json", args->json, "print one JSON object");
    sub->callback([&context, args] { context.exitCode = run(*args, context); });
}

}  // namespace vexa::cli
