#pragma once
// The Configuration File (vexacontrol.ini): read once at start-up into the
// settings, the Pattern Time Defaults and the User Information; the settings
// and the User Information written back when the settings window closes with
// OK; single keys (System/CardPath, System/PrtSheet) read and written alone.
#include "core/config/Configuration.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

inline constexpr std::string_view kSystemSection = "System";
inline constexpr std::string_view kLedSection = "LedSeting";        // spelled so in the file
inline constexpr std::string_view kBuzzerSection = "BuzzerSeting";
inline constexpr std::string_view kUserDataSection = "UserData";

// Values read at start-up are taken as from a 254-byte buffer: at most 253 bytes.
inline constexpr std::size_t kStartupBufferSize = 254;

// Everything start-up reads. Never fails: what is missing or unreadable keeps
// its empty text or 0.
Configuration ReadConfiguration(const std::filesystem::path& file);

// The Line Count of the delivered configuration, used when MaxLine is unusable.
inline constexpr std::int16_t kDefaultLineCount = 95;

// What the programs start with: ReadConfiguration, except that a MaxLine the
// file holds but that is no Line Count (not a whole number from 1 to 256),
// or a file that exists but cannot be read, gives kDefaultLineCount instead
// of an empty grid. Each of those is said in a warning that names the file
// (and the key). A missing file or key still gives 0, as start-up always had.
struct StartupConfiguration {
    Configuration configuration;
    std::string fileProblem;       // the file exists but cannot be read
    std::string lineCountProblem;  // MaxLine replaced by the default

    std::vector<std::string> warnings() const;
};
StartupConfiguration ReadStartupConfiguration(const std::filesystem::path& file);

// Writes System WaveRef, CardPath, CardName, MaxLine, AddFunction1,
// AddFunction2, then the eleven UserData keys, leaving every other line of the
// file as it was. All keys are written or none: false when the file cannot be
// written or a value cannot be held in it (a line break).
bool WriteSettings(const std::filesystem::path& file, const Configuration& configuration);

// One key, read as start-up reads a text value ("" when missing).
std::string ReadConfigurationValue(const std::filesystem::path& file, std::string_view section,
                                   std::string_view key);

// One key written alone; the file and the section are created when missing.
bool WriteConfigurationValue(const std::filesystem::path& file, std::string_view section,
                             std::string_view key, std::string_view value);

}  // namespace vexa
