#pragma once
// What the settings window edits: its own copy of the settings and the
// Pattern Times, taken when it opens and applied only by OK.
#include "core/config/Configuration.h"
#include "core/config/ElementPatternFile.h"
#include "core/model/Project.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

struct SettingsDraft {
    // The chosen model's Line Count; nullopt when no usable model is chosen
    // (the Element Pattern File lists none): OK then keeps the Line Count.
    std::optional<std::int16_t> lineCount;
    std::string cardPath;        // the box text
    PatternTimes patterns;       // the twelve box texts
    std::int16_t addFunction1 = 0;  // 0 "画面A", else "画面B"
    std::int16_t addFunction2 = 0;  // 0 "M", else "M/S"

    bool operator==(const SettingsDraft&) const = default;
};

// A box text without the blanks at its ends, as OK takes it.
std::string TrimmedBoxText(std::string_view text);

// The window's values when it opens: the settings and the Project's Pattern Times.
SettingsDraft SettingsDraftOnOpening(const Configuration& configuration, const Project& project);

// The Line Count a model entry stands for; nullopt when its number is not one.
std::optional<std::int16_t> ModelLineCount(const ModelEntry& model);

// The entry to show for `lineCount`: the last one standing for it, else the
// first; -1 for an empty list.
int ModelIndexFor(const std::vector<ModelEntry>& models, int lineCount);

// Whether OK clears the editing contents: the Line Count or auxiliary
// function 1 differs from the values at opening.
bool ClearsEditingContents(const SettingsDraft& opening, const SettingsDraft& draft);

// The configuration OK writes: CardPath (trimmed), MaxLine, AddFunction1 and
// AddFunction2 from the draft; everything else as it was.
Configuration ConfigurationAfterOk(Configuration configuration, const SettingsDraft& draft);

// The Pattern Times OK gives the Project: each box text trimmed.
PatternTimes PatternTimesAfterOk(const SettingsDraft& draft);

}  // namespace vexa
