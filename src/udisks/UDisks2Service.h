#pragma once
// The core's VolumeService over UDisks2 on the system bus (Qt DBus): the
// block devices with their file system type and version, label, size, mount
// points and whether their drive's media can be taken out; ejecting unmounts
// the file system and powers the drive off. Not available() where no system
// bus or no UDisks2 runs.
#include "core/cardcheck/VolumeService.h"

namespace vexa {

class UDisks2Service final : public VolumeService {
public:
    bool available() override;
    std::vector<Volume> volumes() override;
    VolumeEjection eject(const Volume& volume) override;
};

}  // namespace vexa
