#pragma once
// The import's settings, kept in section Import of the Configuration File:
// the import folder (empty: "取り込み" under WaveRef) and the options the
// WAVE tools window's "取り込み" tab last ran with, which the sound
// registration window's conversions use too. What is missing or out of range
// reads as the default.
#include "core/import/ImportOptions.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vexa {

inline constexpr std::string_view kImportSection = "Import";
inline constexpr const char* kImportFolderName = "取り込み";

struct ImportSettings {
    std::string folder;
    ImportOptions options;  // stereoAllowed is the settings' own, never stored here

    bool operator==(const ImportSettings&) const = default;
};

ImportSettings ReadImportSettings(const std::filesystem::path& configurationFile);
bool WriteImportSettings(const std::filesystem::path& configurationFile, const ImportSettings& settings);

// The folder converted files go to: the setting, else "取り込み" under
// WaveRef; "" when both are empty.
std::string ImportFolderFor(const ImportSettings& settings, const std::string& waveRef);

}  // namespace vexa
