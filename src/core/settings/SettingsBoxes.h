#pragma once
// The settings window's tabs and its twelve Pattern Time boxes, as tables:
// which box edits which time, how many characters it takes, and the order in
// which OK checks them.
#include "core/config/Configuration.h"

#include <array>
#include <string>
#include <string_view>

namespace vexa {

// In the order of the tab strip.
enum class SettingsTab { Seigyo, Data, Led, Buzzer, Hojyo, User, Version };

struct SettingsTabInfo {
    SettingsTab tab;
    const char* key;      // "SEIGYO", …
    const char* caption;  // "制御-点数", …
};

inline constexpr std::array<SettingsTabInfo, 7> kSettingsTabs = {{
    {SettingsTab::Seigyo, "SEIGYO", "制御-点数"},
    {SettingsTab::Data, "DATA", "ﾃﾞｰﾀ保存先"},
    {SettingsTab::Led, "LED", "LED設定"},
    {SettingsTab::Buzzer, "BUZZER", "BUZZER設定"},
    {SettingsTab::Hojyo, "HOJYO", "補助機能"},
    {SettingsTab::User, "USER", "ﾕｰｻﾞｰ情報"},
    {SettingsTab::Version, "VERSION", "ﾊﾞｰｼﾞｮﾝ情報"},
}};

// The boxes outside the pattern table, by name.
inline constexpr const char* kModelField = "CmbModel";
inline constexpr const char* kCardPathField = "TxtCardPath";

enum class PatternOutput { Led, Buzzer };

struct PatternBox {
    const char* name;  // "TxtLedOn0"; its up-down is the same name with "Ud" for "Txt"
    PatternOutput output;
    int pattern;       // 0 … 2 for A … C
    bool on;           // the on time (else the off time)
    int maxLength;     // characters the box takes
};

// The twelve boxes in the order OK checks them: LED A on, LED A off, LED B on,
// … BUZZER C off. The LED A on time and the BUZZER times take 4 characters,
// the other LED times 5.
inline constexpr std::array<PatternBox, 12> kPatternBoxes = {{
    {"TxtLedOn0", PatternOutput::Led, 0, true, 4},
    {"TxtLedOff0", PatternOutput::Led, 0, false, 5},
    {"TxtLedOn1", PatternOutput::Led, 1, true, 5},
    {"TxtLedOff1", PatternOutput::Led, 1, false, 5},
    {"TxtLedOn2", PatternOutput::Led, 2, true, 5},
    {"TxtLedOff2", PatternOutput::Led, 2, false, 5},
    {"TxtBuzzerOn0", PatternOutput::Buzzer, 0, true, 4},
    {"TxtBuzzerOff0", PatternOutput::Buzzer, 0, false, 4},
    {"TxtBuzzerOn1", PatternOutput::Buzzer, 1, true, 4},
    {"TxtBuzzerOff1", PatternOutput::Buzzer, 1, false, 4},
    {"TxtBuzzerOn2", PatternOutput::Buzzer, 2, true, 4},
    {"TxtBuzzerOff2", PatternOutput::Buzzer, 2, false, 4},
}};

// The time a box edits.
std::string& PatternText(PatternTimes& times, const PatternBox& box);
const std::string& PatternText(const PatternTimes& times, const PatternBox& box);

// The tab that shows the box or list named `field` (the first tab for a name
// it does not know).
SettingsTab TabOfField(std::string_view field);

// Position of a tab in the strip.
inline int TabIndex(SettingsTab tab) { return static_cast<int>(tab); }

}  // namespace vexa
