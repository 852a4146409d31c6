// Taking a card out: flushed first, then the disk service's eject where it
// runs, else the user told it is safe; and when "取り外し" is offered at all.
#include "core/cardcheck/CardEject.h"

#include "FakeVolumeService.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

Volume cardAt(const std::filesystem::path& mountPoint) {
    Volume volume;
    volume.device = "/dev/sdz1";
    volume.removable = true;
    volume.mountPoints = {mountPoint.string()};
    return volume;
}

TEST(CardEject, FlushesThenEjectsThroughTheServiceOrSaysItIsSafe) {
    test::TempDir temp;
    struct Case {
        const char* name;
        bool running;
        VolumeEjection ejection;
        bool ok, powered;
        std::vector<std::string> ejected;
        const char* said;
    };
    const Case cases[] = {
        {"service ejects", true, {true, true, ""}, true, true, {"/dev/sdz1"}, "電源を切りました"},
        {"no service: flushed only", false, {}, true, false, {}, "安全に取り出せます"},
        {"unmount refused", true, {false, false, "「/dev/sdz1」のマウントを外せません：busy"}, false, false, {"/dev/sdz1"},
         "busy"},
        {"unmounted, power stays on", true, {true, false, "not supported"}, true, false, {"/dev/sdz1"},
         "マウントは外しました。ドライブの電源は切れませんでした：not supported"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::FakeVolumeService service;
        service.running = c.running;
        service.ejection = c.ejection;
        const CardEjectResult result = EjectCard(cardAt(temp.path()), &service);
        EXPECT_EQ(result.ok, c.ok);
        EXPECT_EQ(result.powered, c.powered);
        EXPECT_EQ(service.ejected, c.ejected);
        EXPECT_NE(result.text.find(c.said), std::string::npos) << result.text;
    }
}

TEST(CardEject, AFolderThatCannotBeOpenedIsNotCalledSafeAndTheServiceIsNotAsked) {
    test::FakeVolumeService service;
    service.running = true;
    const CardEjectResult result = EjectCard(cardAt("/nonexistent/card"), &service);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.text.find("/nonexistent/card"), std::string::npos);
    EXPECT_TRUE(service.ejected.empty());
}

TEST(CardEject, OfferedOnlyAfterAWholeCleanCheckOfThatRemovableVolumesTopFolder) {
    const CardFindings clean = {{Severity::Note, "", "note"}};
    const CardFindings warned = {{Severity::Warning, "X.TXT", "foreign"}};
    Volume fixed = cardAt("/media/card");
    fixed.removable = false;
    struct Case {
        const char* name;
        Volume volume;
        const char* folder;
        CardFindings findings;
        bool stopped, offered;
    };
    const Case cases[] = {
        {"clean", cardAt("/media/card"), "/media/card/", clean, false, true},
        {"a warning", cardAt("/media/card"), "/media/card", warned, false, false},
        {"stopped", cardAt("/media/card"), "/media/card", clean, true, false},
        {"another folder", cardAt("/media/card"), "/media/card/SUB", clean, false, false},
        {"not removable", fixed, "/media/card", clean, false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CanEjectAfterCheck(c.volume, c.folder, c.findings, c.stopped), c.offered) << c.name;
}

}  // namespace
}  // namespace vexa
