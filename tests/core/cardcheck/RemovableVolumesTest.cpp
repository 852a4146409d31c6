// The volumes offered for writing: removable drives only, from a sysfs tree
// made in the test, or from the disk service when it runs.
#include "FakeVolumeService.h"
#include "TestPaths.h"
#include "core/cardcheck/RemovableVolumes.h"

#include <gtest/gtest.h>

namespace vexa::test {
namespace {

namespace fs = std::filesystem;

TEST(RemovableVolumes, OnlyMountsOnRemovableDrivesAreOfferedWithLabelAndSize) {
    TempDir temp;
    const SystemFolders folders{temp / "sys/block", temp / "by-label"};
    auto disk = [&](const std::string& name, const char* removable, const std::string& part, const char* sectors) {
        fs::create_directories(folders.sysBlock / name / part);
        writeBytes(folders.sysBlock / name / "removable", std::string(removable) + "\n");
        writeBytes(folders.sysBlock / name / part / "size", std::string(sectors) + "\n");
    };
    disk("sda", "0", "sda1", "1000000");
    disk("sdb", "1", "sdb1", "131072");
    disk("mmcblk0", "0", "mmcblk0p1", "2048");
    fs::create_directories(folders.byLabel);
    fs::create_symlink("../../sdb1", folders.byLabel / "MY\\x20CARD");
    const auto mounts = ParseMountInfo(
        "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
        "46 22 8:17 / /media/card rw - vfat /dev/sdb1 rw\n"
        "47 22 8:17 / /mnt/again rw - vfat /dev/sdb1 rw\n"
        "48 22 179:1 / /media/sd rw - vfat /dev/mmcblk0p1 rw\n"
        "49 22 0:40 / /tmp/fat rw - fuse.fusefat fusefat rw\n");

    const auto volumes = ListRemovableVolumes(mounts, folders, nullptr);
    ASSERT_EQ(volumes.size(), 2u);
    EXPECT_EQ(volumes[0], (Volume{"/dev/sdb1", "MY CARD", 64u << 20, "vfat", "", true, {"/media/card"}}));
    EXPECT_EQ(volumes[1].device, "/dev/mmcblk0p1");
    EXPECT_EQ(VolumeText(volumes[0]), "/media/card（MY CARD、64.0 MB、vfat、/dev/sdb1）");
}

TEST(RemovableVolumes, TheServiceWhereItRunsAndOnlyItsMountedRemovableVolumes) {
    FakeVolumeService service;
    service.running = true;
    service.list = {{"/dev/sda1", "", 1u << 30, "ext4", "1.0", false, {"/"}},
                    {"/dev/sdc1", "CARD", 1u << 26, "vfat", "FAT16", true, {"/media/u/CARD"}},
                    {"/dev/sdd1", "", 1u << 26, "vfat", "FAT16", true, {}}};
    const auto volumes = ListRemovableVolumes({}, SystemFolders{"/nonexistent", "/nonexistent"}, &service);
    ASSERT_EQ(volumes.size(), 1u);
    EXPECT_EQ(volumes[0].device, "/dev/sdc1");
}

}  // namespace
}  // namespace vexa::test
