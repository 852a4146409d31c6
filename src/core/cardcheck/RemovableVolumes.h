#pragma once
// The mounted volumes a card can be written to: those on a drive whose media
// can be taken out, as the disk service lists them where it runs, else as the
// kernel says (/sys/block/DISK/removable for the mount's device; SD card
// readers on the MMC bus count as removable). A fixed disk is never offered.
#include "core/cardcheck/MountTable.h"
#include "core/cardcheck/VolumeService.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vexa {

struct SystemFolders {
    std::filesystem::path sysBlock = "/sys/block";
    std::filesystem::path byLabel = "/dev/disk/by-label";
};

// The removable volumes with a mount point, each once.
std::vector<Volume> ListRemovableVolumes(const std::vector<MountEntry>& mounts, const SystemFolders& folders,
                                         VolumeService* service);
// The same for this process's mounts and the real /sys and /dev.
std::vector<Volume> ListRemovableVolumes(VolumeService* service);

// "/media/card（CARD、62.5 MB、vfat FAT16、/dev/sdb1）"
std::string VolumeText(const Volume& volume);

// What is said where no card is found.
inline constexpr const char* kNoRemovableVolume = "取り外しできるカードが見つかりません。カードを差し込んで、マウントされるのを待ってください。";

}  // namespace vexa
