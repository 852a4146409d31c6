#include "core/cardcheck/FatBootSector.h"

#include "core/files/UniqueFd.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace vexa {
namespace {

std::uint32_t le(std::string_view bytes, std::size_t offset, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return value;
}

bool isPowerOfTwo(std::uint32_t value) { return value != 0 && (value & (value - 1)) == 0; }

}  // namespace

std::string FatTypeName(FatType type) {
    switch (type) {
    case FatType::Fat12:
        return "FAT12";
    case FatType::Fat16:
        return "FAT16";
    case FatType::Fat32:
        return "FAT32";
    case FatType::ExFat:
        return "exFAT";
    case FatType::NotFat:
        break;
    }
    return "FAT ではない";
}

FatBootSector ReadFatBootSector(std::string_view sector) {
    FatBootSector result;
    if (sector.size() < 512)
        return result;
    if (sector.substr(3, 8) == "EXFAT   ") {
        result.type = FatType::ExFat;
        return result;
    }
    if (static_cast<unsigned char>(sector[510]) != 0x55 || static_cast<unsigned char>(sector[511]) != 0xAA)
        return result;
    const std::uint32_t bytesPerSector = le(sector, 11, 2);
    const std::uint32_t sectorsPerCluster = le(sector, 13, 1);
    const std::uint32_t reserved = le(sector, 14, 2);
    const std::uint32_t fats = le(sector, 16, 1);
    const std::uint32_t rootEntries = le(sector, 17, 2);
    const std::uint32_t total16 = le(sector, 19, 2);
    const std::uint32_t fatSize16 = le(sector, 22, 2);
    const std::uint32_t total32 = le(sector, 32, 4);
    const std::uint32_t fatSize32 = le(sector, 36, 4);
    if (bytesPerSector < 512 || bytesPerSector > 4096 || !isPowerOfTwo(bytesPerSector) ||
        !isPowerOfTwo(sectorsPerCluster) || reserved == 0 || fats == 0)
        return result;
    const std::uint64_t fatSize = fatSize16 != 0 ? fatSize16 : fatSize32;
    const std::uint64_t total = total16 != 0 ? total16 : total32;
    const std::uint64_t rootSectors = (rootEntries * 32ull + bytesPerSector - 1) / bytesPerSector;
    const std::uint64_t meta = reserved + fats * fatSize + rootSectors;
    if (fatSize == 0 || total <= meta)
        return result;
    result.clusters = (total - meta) / sectorsPerCluster;
    result.volumeBytes = total * bytesPerSector;
    result.type = result.clusters < 4085 ? FatType::Fat12 : result.clusters < 65525 ? FatType::Fat16 : FatType::Fat32;
    return result;
}

std::optional<FatBootSector> ReadFatBootSectorOf(const std::filesystem::path& device) {
    const UniqueFd fd(::open(device.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd)
        return std::nullopt;
    std::array<char, 512> sector{};
    std::size_t got = 0;
    while (got < sector.size()) {
        const ssize_t n = ::pread(fd.get(), sector.data() + got, sector.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return std::nullopt;
        }
        got += static_cast<std::size_t>(n);
    }
    return ReadFatBootSector(std::string_view(sector.data(), sector.size()));
}

}  // namespace vexa
