#include "core/model/Project.h"

#include "core/model/TimeRange.h"
#include "core/text/NumberFormat.h"

namespace vexa {

void Project::clearSheets(int lineCount) {
    for (int s = 0; s < kSheetCount; ++s)
        sheets[s].clear(lineCount);
}

void Project::clearSheet(int sheet, int lineCount) {
    if (sheet >= 0 && sheet < kSheetSlots)
        sheets[sheet].clear(lineCount);
}

void Project::resetSoundTable() {
    sounds.assign(1, SoundEntry{});
    soundPresent = false;
}

void Project::growSoundTable(std::size_t last) { sounds.resize(last + 1); }

std::optional<std::size_t> Project::findSound(std::string_view name) const {
    if (name.empty())  // an empty slot is not an entry
        return std::nullopt;
    for (std::size_t i = 0; i < sounds.size(); ++i)
        if (sounds[i].fileName == name)
            return i;
    return std::nullopt;
}

std::optional<std::string> Project::lineTime(const ProgramLine& line) const {
    const auto repeat = numfmt::parseNumber(line.repeat.empty() ? "1" : line.repeat);
    if (!repeat)
        return std::nullopt;
    double sum = 0;
    for (const auto& voice : line.voices) {
        const auto index = findSound(voice);
        if (!index)
            continue;
        const std::string& length = sounds[*index].length;
        const auto seconds = numfmt::parseNumber(length.empty() ? "0" : length);
        // Rounded, the largest lengths read back as no number.
        const auto rounded = seconds ? numfmt::parseNumber(numfmt::format(*seconds, "0.0")) : std::nullopt;
        if (!rounded)
            return std::nullopt;
        sum += *rounded;
    }
    return LineTimeText(*repeat, sum);
}

Project StartingProject(const Configuration& configuration) {
    Project project;  // its sheets are as clearSheets leaves them
    project.patterns = configuration.patternDefaults;
    project.user = configuration.user;
    project.resetSoundTable();
    return project;
}

Project ClearedProject(Project project, const Configuration& configuration) {
    project.card = CardInformation{};
    project.clearSheets(configuration.settings.lineCount());
    project.soundPresent = false;
    project.patterns = configuration.patternDefaults;
    return project;
}

}  // namespace vexa
