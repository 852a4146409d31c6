#pragma once
// What an import writes: the output format (16-bit mono at 22050 Hz unless
// chosen otherwise, never a rate above the source's unless one is asked for,
// stereo only when the auxiliary setting allows it and it is asked for), the
// loudness target and its true-peak ceiling, and the silence trim.
#include "core/import/AudioBackend.h"
#include "core/ui/Refusal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vexa {

inline constexpr std::uint32_t kDefaultImportRate = 22050;
inline constexpr int kDefaultImportBits = 16;
inline constexpr double kDefaultLoudnessTarget = -18.0;  // LUFS
inline constexpr double kMinLoudnessTarget = -30.0;
inline constexpr double kMaxLoudnessTarget = -10.0;
inline constexpr double kDefaultPeakCeiling = -1.0;  // dBTP
inline constexpr double kMinPeakCeiling = -20.0;
inline constexpr double kMaxPeakCeiling = 0.0;
inline constexpr double kSilenceThreshold = -50.0;  // dBFS of the result
inline constexpr double kSilenceKeptSeconds = 0.05;

struct ImportOptions {
    std::optional<std::uint32_t> rate;  // none: kDefaultImportRate, lowered to the source's
    int bits = kDefaultImportBits;
    bool stereo = false;         // the user asks for stereo
    bool stereoAllowed = false;  // the auxiliary setting (AddFunction2)
    std::optional<double> loudnessTarget = kDefaultLoudnessTarget;  // none: no normalisation
    double peakCeiling = kDefaultPeakCeiling;
    bool trim = false;

    bool operator==(const ImportOptions&) const = default;
};

struct ImportFormat {
    std::uint32_t rate = kDefaultImportRate;
    int bits = kDefaultImportBits;
    int channels = 1;

    bool operator==(const ImportFormat&) const = default;
};

// The refusal of options no import can use (a rate the device does not play,
// bits other than 8 and 16, a target or ceiling out of range, stereo asked
// while the setting forbids it); field "rate", "bits", "loudness", "peak" or
// "stereo".
CheckResult CheckImportOptions(const ImportOptions& options);

struct FormatChoice {
    ImportFormat format;
    std::vector<std::string> notes;  // what differs from what was asked, and why
};
FormatChoice ChooseImportFormat(const ImportOptions& options, const AudioSourceInfo& source);

// "22.05KHz", "8KHz", "48KHz".
std::string ImportRateText(std::uint32_t rate);
// "22.05KHz・16bit・Mono".
std::string ImportFormatText(const ImportFormat& format);
// "−18.0 LUFS", "+5.4 dB": one decimal, a real minus sign for negatives; the
// number alone for an empty unit.
std::string DecibelText(double value, const char* unit);

}  // namespace vexa
