// The real UDisks2 service on the system bus, where one runs: what it lists
// has device paths, and only its removable, mounted volumes are offered.
#include "core/cardcheck/RemovableVolumes.h"
#include "udisks/UDisks2Service.h"

#include <gtest/gtest.h>

namespace vexa::test {
namespace {

TEST(UDisks2Service, ListsBlockDevicesAndOffersOnlyRemovableMountedOnes) {
    UDisks2Service service;
    if (!service.available())
        GTEST_SKIP() << "no system bus with UDisks2 runs here";
    const std::vector<Volume> all = service.volumes();
    for (const Volume& volume : all)
        EXPECT_EQ(volume.device.rfind("/dev/", 0), 0u) << volume.device;
    for (const Volume& offered : ListRemovableVolumes({}, SystemFolders{}, &service)) {
        EXPECT_TRUE(offered.removable) << offered.device;
        EXPECT_FALSE(offered.mountPoints.empty()) << offered.device;
    }
}

}  // namespace
}  // namespace vexa::test
