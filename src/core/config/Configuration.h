#pragma once
// What the Configuration File holds for the whole run: the settings of section
// System, the Pattern Time Defaults and the User Information.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace vexa {

// Section System. Texts as read (untrimmed); numbers as 16-bit integers.
struct Settings {
    std::string waveRef;   // WaveRef: where the WAVE file choosers open
    std::string cardPath;  // CardPath: card data folder
    std::string cardName;  // CardName: default control file name
    std::int16_t maxLine = 0;       // MaxLine: the Line Count
    std::int16_t addFunction1 = 0;  // 1 = Multi-sheet mode
    std::int16_t addFunction2 = 0;  // 1 = stereo files accepted

    int lineCount() const { return maxLine; }
    bool multiSheet() const { return addFunction1 == 1; }
    bool stereoAllowed() const { return addFunction2 == 1; }

    bool operator==(const Settings&) const = default;
};

// One blink or sound pattern: on and off time in seconds, as text ("0.5").
struct PatternTime {
    std::string on;
    std::string off;

    bool operator==(const PatternTime&) const = default;
};

// Patterns A, B and C of the LED and of the BUZZER outputs.
struct PatternTimes {
    std::array<PatternTime, 3> led;
    std::array<PatternTime, 3> buzzer;

    bool operator==(const PatternTimes&) const = default;
};

// Keys of section UserData, in the order the files carry them.
inline constexpr std::array<const char*, 11> kUserInformationKeys = {
    "Company", "Attribute", "Name", "PostNum", "Address", "Tel",
    "Fax",     "Business",  "Mail", "Url",     "Install"};

// The eleven User Information texts, indexed as kUserInformationKeys.
struct UserInformation {
    std::array<std::string, kUserInformationKeys.size()> values;

    bool operator==(const UserInformation&) const = default;
};

struct Configuration {
    Settings settings;
    PatternTimes patternDefaults;
    UserInformation user;

    bool operator==(const Configuration&) const = default;
};

}  // namespace vexa
