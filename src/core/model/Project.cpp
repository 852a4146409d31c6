#include "core/model/Project.h"

#include "core/model/ProgramLineRules.h"

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
    const auto repeat = LoadedRepeat(line.repeat);
    if (!repeat)
        return std::nullopt;
    return LineTime(*repeat, line.voices, [&](const std::string& voice) -> std::optional<double> {
        const auto index = findSound(voice);
        return index ? RegisteredSeconds(sounds[*index].length) : 0.0;
    });
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
