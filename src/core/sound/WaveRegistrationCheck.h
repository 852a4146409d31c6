#pragma once
// The one check of a WAVE file for registration: the format read, the name
// and format rules and the header scan, in the order sound registration runs
// them, with what the sound list would show of the file. The registration
// window and `vexa inspect` both use it, so they never disagree. The file is
// opened and read once; what was read stays with the check for whoever asks
// next (the import's look at a refused file).
#include "core/sound/WaveInspection.h"
#include "core/ui/Refusal.h"

#include <filesystem>
#include <string>

namespace vexa {

struct WaveRegistrationCheck {
    std::string path;
    std::string name;  // the file name without its folder
    // The sound list's texts; "" where they could not be read.
    std::string rate, bits, channels, length, size;
    CheckResult refusal;  // none: the file may be registered
    WaveFormatRead format;   // the format read, or what refused it
    bool headerPasses = false;  // the header scan (stereo as allowed for the check)

    bool accepted() const { return !refusal; }
};

WaveRegistrationCheck CheckWaveForRegistration(const std::filesystem::path& file, bool stereoAllowed);

}  // namespace vexa
