#pragma once
// The file system a card's folder lives on, as far as it can be told: from
// the disk service where it runs, else from the boot sector of the mount's
// source when it can be read, else not at all (said as such, never taken as
// a pass). The device reads FAT16 cards only.
#include "core/cardcheck/CardFinding.h"
#include "core/cardcheck/FatBootSector.h"
#include "core/cardcheck/VolumeService.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace vexa {

// The most a FAT16 volume holds (65524 clusters of 64 KiB); many devices stop at 2 GiB.
inline constexpr std::uint64_t kFat16MaxBytes = 4ull << 30;
inline constexpr std::uint64_t kFat16CommonMaxBytes = 2ull << 30;

struct CardFileSystem {
    bool isMountTop = false;  // the folder is the top folder of a mount (a card)
    std::filesystem::path folder;
    std::string mountPoint;
    std::string type;    // the mount's type ("vfat", "fuse.fusefat", "ext4")
    std::string source;  // the mount's source ("/dev/sdb1")
    bool readOnly = false;
    bool fatTold = false;  // `fat` was read from the service or the boot sector
    FatType fat = FatType::NotFat;
    std::string toldBy;           // "UDisks2" or "ブートセクタ"
    std::uint64_t volumeBytes = 0;  // 0 when unknown
};

// Whether a mount type is of the FAT family (vfat, msdos, fusefat).
bool IsFatMountType(const std::string& type);

// The facts of the file system holding `folder`; `service` may be null.
CardFileSystem DescribeCardFileSystem(const std::filesystem::path& folder, VolumeService* service);

// What those facts mean for a card the device must read.
CardFindings FileSystemFindings(const CardFileSystem& fileSystem);

// How to make a FAT16 card on Linux, naming the device when it is known.
std::string FormatAdvice(const std::string& device);

}  // namespace vexa
