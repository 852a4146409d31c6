#pragma once
// The one check of a WAVE file for registration: the format read, the name
// and format rules and the header scan, in the order sound registration runs
// them, with what the sound list would show of the file. The registration
// window and `vexa inspect` both use it, so they never disagree.
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

    bool accepted() const { return !refusal; }
};

WaveRegistrationCheck CheckWaveForRegistration(const std::filesystem::path& file, bool stereoAllowed);

}  // namespace vexa
