#pragma once
// Which FAT a volume's boot sector describes. The type is told as the FAT
// itself is defined, by the count of data clusters the BIOS parameter block
// gives (fewer than 4085: FAT12, fewer than 65525: FAT16, else FAT32); the
// label text at 0x36 / 0x52 is only a label and is not trusted. exFAT is told
// by its OEM name.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vexa {

enum class FatType { NotFat, Fat12, Fat16, Fat32, ExFat };

struct FatBootSector {
    FatType type = FatType::NotFat;
    std::uint64_t clusters = 0;     // data clusters (FAT12/16/32)
    std::uint64_t volumeBytes = 0;  // total sectors × bytes per sector
};

// "FAT12", "FAT16", "FAT32", "exFAT", or "FAT ではない".
std::string FatTypeName(FatType type);

// The boot sector's first 512 bytes (more are ignored; fewer give NotFat).
FatBootSector ReadFatBootSector(std::string_view sector);

// The boot sector of a device node or image file; nullopt (errno kept) when
// its first 512 bytes cannot be read.
std::optional<FatBootSector> ReadFatBootSectorOf(const std::filesystem::path& device);

}  // namespace vexa
