#include "core/settings/SettingsDraft.h"

#include "core/settings/SettingsBoxes.h"
#include "core/text/NumberFormat.h"

namespace vexa {
std::string TrimmedBoxText(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

SettingsDraft SettingsDraftOnOpening(const Configuration& configuration, const Project& project) {
    const Settings& s = configuration.settings;
    return {s.maxLine, s.cardPath, project.patterns, s.addFunction1, s.addFunction2};
}

std::optional<std::int16_t> ModelLineCount(const ModelEntry& model) { return numfmt::toInt16(model.lines); }

int ModelIndexFor(const std::vector<ModelEntry>& models, int lineCount) {
    if (models.empty())
        return -1;
    int found = 0;
    for (std::size_t i = 0; i < models.size(); ++i)
        if (ModelLineCount(models[i]) == lineCount)
            found = static_cast<int>(i);
    return found;
}

bool ClearsEditingContents(const SettingsDraft& opening, const SettingsDraft& draft) {
    const bool lineCountChanged = draft.lineCount && draft.lineCount != opening.lineCount;
    return lineCountChanged || draft.addFunction1 != opening.addFunction1;
}

Configuration ConfigurationAfterOk(Configuration configuration, const SettingsDraft& draft) {
    Settings& s = configuration.settings;
    s.cardPath = TrimmedBoxText(draft.cardPath);
    if (draft.lineCount)
        s.maxLine = *draft.lineCount;
    s.addFunction1 = draft.addFunction1;
    s.addFunction2 = draft.addFunction2;
    return configuration;
}

PatternTimes PatternTimesAfterOk(const SettingsDraft& draft) {
    PatternTimes times = draft.patterns;
    for (const PatternBox& box : kPatternBoxes)
        PatternText(times, box) = TrimmedBoxText(PatternText(times, box));
    return times;
}

}  // namespace vexa
