#pragma once
// The disk service the commands ask about volumes: UDisks2 on the system bus.
#include "core/cardcheck/VolumeService.h"

namespace vexa::cli {

// The one service of this run (never null; not available() where no system
// bus or UDisks2 runs).
VolumeService* systemVolumeService();

}  // namespace vexa::cli
