#include "core/settings/SettingsBoxes.h"

namespace vexa {
namespace {

template <typename Times>
auto& textOf(Times& times, const PatternBox& box) {
    auto& pattern = (box.output == PatternOutput::Led ? times.led : times.buzzer)[static_cast<std::size_t>(box.pattern)];
    return box.on ? pattern.on : pattern.off;
}

}  // namespace

std::string& PatternText(PatternTimes& times, const PatternBox& box) { return textOf(times, box); }

const std::string& PatternText(const PatternTimes& times, const PatternBox& box) { return textOf(times, box); }

SettingsTab TabOfField(std::string_view field) {
    if (field == kCardPathField)
        return SettingsTab::Data;
    for (const PatternBox& box : kPatternBoxes)
        if (field == box.name)
            return box.output == PatternOutput::Led ? SettingsTab::Led : SettingsTab::Buzzer;
    return SettingsTab::Seigyo;
}

}  // namespace vexa
