// The FAT type read from real boot sectors made by mkfs.fat, and boot sectors
// that are no FAT or lie in their label.
#include "TestPaths.h"
#include "core/cardcheck/FatBootSector.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace vexa::test {
namespace {

bool haveMkfsFat() { return std::system("command -v mkfs.fat >/dev/null 2>&1") == 0; }

// A FAT image of `megabytes` made by mkfs.fat with `options`; false when it failed.
bool makeImage(const std::filesystem::path& image, int megabytes, const std::string& options) {
    const std::string command = "truncate -s " + std::to_string(megabytes) + "M '" + image.string() +
                                "' && mkfs.fat " + options + " '" + image.string() + "' >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

TEST(FatBootSector, TellsTheTypesMkfsFatMakesByTheirClusterCount) {
    if (!haveMkfsFat())
        GTEST_SKIP() << "mkfs.fat (dosfstools) is not installed";
    struct Case {
        const char* options;
        int megabytes;
        FatType type;
    };
    const Case cases[] = {
        {"-F 12", 4, FatType::Fat12},
        {"-F 16", 48, FatType::Fat16},
        {"-F 16", 200, FatType::Fat16},
        {"-F 32", 40, FatType::Fat32},
        {"-F 32", 300, FatType::Fat32},
    };
    TempDir temp;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.options) + " " + std::to_string(c.megabytes) + "M");
        const auto image = temp / "card.img";
        std::filesystem::remove(image);
        ASSERT_TRUE(makeImage(image, c.megabytes, c.options));
        const auto sector = ReadFatBootSectorOf(image);
        ASSERT_TRUE(sector);
        EXPECT_EQ(sector->type, c.type) << FatTypeName(sector->type);
        // mkfs.fat may leave the image's last partial cluster out
        EXPECT_LE(sector->volumeBytes, static_cast<std::uint64_t>(c.megabytes) << 20);
        EXPECT_GT(sector->volumeBytes, (static_cast<std::uint64_t>(c.megabytes) - 1) << 20);
    }
}

TEST(FatBootSector, TrustsTheClusterCountNotTheLabel) {
    if (!haveMkfsFat())
        GTEST_SKIP() << "mkfs.fat (dosfstools) is not installed";
    TempDir temp;
    ASSERT_TRUE(makeImage(temp / "card.img", 48, "-F 16"));
    std::string sector = readBytes(temp / "card.img").substr(0, 512);
    sector.replace(0x36, 8, "FAT32   ");
    EXPECT_EQ(ReadFatBootSector(sector).type, FatType::Fat16);
}

TEST(FatBootSector, RefusesWhatIsNoFatBootSector) {
    std::string fat16(512, '\0');
    // a small FAT16 BPB: 512-byte sectors, 1 per cluster, 1 reserved, 2 FATs of 32 sectors, 512 root entries
    auto put = [&](std::size_t at, std::uint32_t value, int width) {
        for (int i = 0; i < width; ++i)
            fat16[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(11, 512, 2), put(13, 1, 1), put(14, 1, 2), put(16, 2, 1), put(17, 512, 2), put(32, 4000, 4), put(22, 32, 2);
    put(510, 0xAA55, 2);
    ASSERT_EQ(ReadFatBootSector(fat16).type, FatType::Fat12);  // 3903 clusters
    put(32, 60000, 4);
    ASSERT_EQ(ReadFatBootSector(fat16).type, FatType::Fat16);  // 59903 clusters

    struct Case {
        const char* what;
        std::string sector;
        FatType type;
    };
    std::string noSignature = fat16, zeroSectorSize = fat16, oddClusters = fat16, exfat(512, '\0'), noFats = fat16;
    noSignature[510] = 0;
    zeroSectorSize[11] = zeroSectorSize[12] = 0;
    oddClusters[13] = 3;
    noFats[16] = 0;
    exfat.replace(3, 8, "EXFAT   ");
    const Case cases[] = {
        {"too short", fat16.substr(0, 100), FatType::NotFat},
        {"no 55 AA", noSignature, FatType::NotFat},
        {"0 bytes per sector", zeroSectorSize, FatType::NotFat},
        {"3 sectors per cluster", oddClusters, FatType::NotFat},
        {"no FAT", noFats, FatType::NotFat},
        {"exFAT", exfat, FatType::ExFat},
        {"zeros", std::string(512, '\0'), FatType::NotFat},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadFatBootSector(c.sector).type, c.type) << c.what;
}

}  // namespace
}  // namespace vexa::test
