#include "core/import/ImportSettings.h"

#include "core/config/ConfigurationFile.h"
#include "core/text/NumberFormat.h"

#include <cmath>

namespace vexa {
namespace {

std::string read(const std::filesystem::path& file, std::string_view key) {
    return ReadConfigurationValue(file, kImportSection, key);
}

std::string number(double value) { return numfmt::format(value, "0.0"); }

}  // namespace

ImportSettings ReadImportSettings(const std::filesystem::path& file) {
    ImportSettings settings;
    settings.folder = read(file, "Folder");
    ImportOptions& o = settings.options;
    if (const auto rate = numfmt::parseNumber(read(file, "Rate")); rate && *rate > 0) {
        ImportOptions probe;
        probe.rate = static_cast<std::uint32_t>(*rate);
        if (*rate == std::floor(*rate) && !CheckImportOptions(probe))
            o.rate = probe.rate;
    }
    if (const auto bits = numfmt::parseNumber(read(file, "Bits")); bits && (*bits == 8 || *bits == 16))
        o.bits = static_cast<int>(*bits);
    const std::string loudness = read(file, "Loudness");
    if (loudness == "OFF") {
        o.loudnessTarget.reset();
    } else if (const auto target = numfmt::parseNumber(loudness);
               target && *target >= kMinLoudnessTarget && *target <= kMaxLoudnessTarget) {
        o.loudnessTarget = *target;
    }
    if (const auto peak = numfmt::parseNumber(read(file, "Peak"));
        peak && *peak >= kMinPeakCeiling && *peak <= kMaxPeakCeiling)
        o.peakCeiling = *peak;
    o.trim = read(file, "Trim") == "1";
    o.stereo = read(file, "Stereo") == "1";
    return settings;
}

bool WriteImportSettings(const std::filesystem::path& file, const ImportSettings& settings) {
    const ImportOptions& o = settings.options;
    const std::pair<const char*, std::string> values[] = {
        {"Folder", settings.folder},
        {"Rate", o.rate ? std::to_string(*o.rate) : "0"},
        {"Bits", std::to_string(o.bits)},
        {"Loudness", o.loudnessTarget ? number(*o.loudnessTarget) : "OFF"},
        {"Peak", number(o.peakCeiling)},
        {"Trim", o.trim ? "1" : "0"},
        {"Stereo", o.stereo ? "1" : "0"},
    };
    for (const auto& [key, value] : values)
        if (!WriteConfigurationValue(file, kImportSection, key, value))
            return false;
    return true;
}

std::string ImportFolderFor(const ImportSettings& settings, const std::string& waveRef) {
    if (!settings.folder.empty())
        return settings.folder;
    if (waveRef.empty())
        return {};
    return (std::filesystem::path(waveRef) / kImportFolderName).string();
}

}  // namespace vexa
