// The mount table read from mountinfo lines, and the mount that holds a folder.
#include "core/cardcheck/MountTable.h"

#include <gtest/gtest.h>

#include <sys/sysmacros.h>

namespace vexa::test {
namespace {

constexpr const char* kMountInfo =
    "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
    "45 22 0:40 / /media/user/MY\\040CARD rw,nosuid,nodev,relatime - fuse.fusefat fusefat rw,user_id=0\n"
    "46 22 8:17 / /media/card ro,relatime shared:7 master:1 - vfat /dev/sdb1 ro,fmask=0022\n"
    "47 22 8:1 /home /srv/bind rw,relatime - ext4 /dev/sda1 rw\n"
    "not a mount line\n";

TEST(MountTable, ReadsEachFieldWithEscapesUndoneAndOptionalFieldsSkipped) {
    const auto table = ParseMountInfo(kMountInfo);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[1].mountPoint, "/media/user/MY CARD");
    EXPECT_EQ(table[1].type, "fuse.fusefat");
    EXPECT_EQ(table[1].source, "fusefat");
    EXPECT_FALSE(table[1].readOnly());
    EXPECT_EQ(table[2].major, 8u);
    EXPECT_EQ(table[2].minor, 17u);
    EXPECT_EQ(table[2].type, "vfat");
    EXPECT_EQ(table[2].source, "/dev/sdb1");
    EXPECT_TRUE(table[2].readOnly());
}

TEST(MountTable, TheFolderBelongsToTheLongestMountPointOfItsDevice) {
    const auto table = ParseMountInfo(kMountInfo);
    struct Case {
        dev_t device;
        const char* path;
        const char* mountPoint;  // "" for none
    };
    const Case cases[] = {
        {makedev(8, 17), "/media/card", "/media/card"},
        {makedev(8, 17), "/media/card/SHOP", "/media/card"},
        {makedev(8, 1), "/srv/bind/x", "/srv/bind"},
        {makedev(8, 1), "/srv/bindery", "/"},
        {makedev(0, 40), "/media/user/MY CARD", "/media/user/MY CARD"},
        {makedev(9, 9), "/media/card", ""},
    };
    for (const Case& c : cases) {
        const auto mount = MountOf(table, c.device, c.path);
        EXPECT_EQ(mount ? mount->mountPoint : "", c.mountPoint) << c.path;
    }
}

TEST(MountTable, FindsTheRootMountOfThisProcess) {
    const auto mount = MountOf("/");
    ASSERT_TRUE(mount);
    EXPECT_EQ(mount->mountPoint, "/");
}

}  // namespace
}  // namespace vexa::test
