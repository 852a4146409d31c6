#pragma once
// The card check as the commands run it (`vexa verify`, `vexa card --verify`,
// `vexa card --to`): the terminal's bar and Ctrl+C, the findings printed as
// lines or JSON, and the exit code they give.
#include "core/cardcheck/CardVerification.h"
#include "core/cardcheck/VolumeService.h"

#include <filesystem>
#include <iostream>
#include <optional>

namespace vexa::cli {

// Checks `folder` against `project` (or the Control File found there, loaded
// into `loadInto`); the file system is judged when the folder is a mount's top.
// `service` tells the FAT variant where it runs; without one (nullptr) the
// boot sector of the mount's device is read where it can be.
CardVerification checkCardFolder(const std::filesystem::path& folder, const std::optional<Project>& project,
                                 const Project& loadInto, const Settings& settings, VolumeService* service);

// Prints the findings (to `out`) and returns 0 when clean (notes allowed), 1
// otherwise or when the check was stopped.
int reportFindings(const CardVerification& verification, const std::filesystem::path& folder, bool json,
                   std::ostream& out = std::cout);

}  // namespace vexa::cli
