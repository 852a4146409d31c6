#include "TestPaths.h"
#include "TmpfsMount.h"
#include "core/app/ProgramFolderChoice.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {
namespace fs = std::filesystem;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

// An installed layout: <prefix>/bin, <prefix>/share/vexa-editor with the
// defaults, <prefix>/share/doc/vexa-editor with the guide.
struct Prefix {
    TempDir dir;
    fs::path bin = dir / "usr/bin";
    fs::path defaults = dir / "usr/share/vexa-editor";
    Prefix() {
        fs::create_directories(bin);
        fs::create_directories(defaults);
        for (const std::string& name : kSeededFiles)
            writeBytes(defaults / name, "default " + name);
    }
};

TEST(ProgramFolderChoice, TheFolderOfEachWayToRun) {
    Prefix prefix;
    const fs::path portable = prefix.dir / "stick";
    fs::create_directories(portable);
    writeBytes(portable / "vexacontrol.ini", "");
    const fs::path guide = prefix.dir / "usr/share/doc/vexa-editor/UserGuide.html";

    struct Case {
        const char* what;
        ProgramFolderInputs in;
        ProgramFolderKind kind;
        fs::path folder;
        fs::path userGuide;
    };
    const Case cases[] = {
        {"--home wins over everything", {prefix.bin, prefix.dir / "mine", "/x", "/home/u"},
         ProgramFolderKind::Home, prefix.dir / "mine", prefix.dir / "mine/UserGuide.html"},
        {"a writable folder with vexacontrol.ini is portable", {portable, "", "/x", "/home/u"},
         ProgramFolderKind::Portable, portable, portable / "UserGuide.html"},
        {"installed: XDG_CONFIG_HOME", {prefix.bin, "", "/x/conf", "/home/u"},
         ProgramFolderKind::Installed, "/x/conf/vexa-editor", guide},
        {"installed: ~/.config without XDG_CONFIG_HOME", {prefix.bin, "", "", "/home/u"},
         ProgramFolderKind::Installed, "/home/u/.config/vexa-editor", guide},
        {"installed: a relative XDG_CONFIG_HOME is ignored", {prefix.bin, "", "conf", "/home/u"},
         ProgramFolderKind::Installed, "/home/u/.config/vexa-editor", guide},
    };
    for (const Case& c : cases) {
        const ProgramFolderChoice choice = ChooseProgramFolder(c.in);
        EXPECT_EQ(choice.kind, c.kind) << c.what;
        EXPECT_EQ(choice.folder, c.folder) << c.what;
        EXPECT_EQ(choice.userGuide, c.userGuide) << c.what;
        if (c.kind == ProgramFolderKind::Installed) {
            EXPECT_EQ(choice.defaultsFolder, prefix.defaults) << c.what;
        }
    }
}

TEST(ProgramFolderChoice, AReadOnlyFolderWithAConfigurationIsNotPortable) {
    TempDir dir;
    const fs::path bin = dir / "bin";
    fs::create_directories(bin);
    test::TmpfsMount mount(bin, "size=1m");
    if (!mount.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs: " << mount.reason();
    writeBytes(bin / "vexacontrol.ini", "");
    if (!mount.makeReadOnly())
        GTEST_SKIP() << "cannot make the tmpfs read-only";
    const ProgramFolderChoice choice = ChooseProgramFolder({bin, "", "", "/home/u"});
    EXPECT_EQ(choice.kind, ProgramFolderKind::Installed);
    EXPECT_EQ(choice.folder, "/home/u/.config/vexa-editor");
}

TEST(ProgramFolderChoice, SeedingCopiesWhatIsMissingAndKeepsTheUsersFiles) {
    Prefix prefix;
    const fs::path folder = prefix.dir / "home/.config/vexa-editor";

    SeedResult first = SeedProgramFolder(folder, prefix.defaults);
    EXPECT_EQ(first.error, "");
    EXPECT_EQ(first.copied, kSeededFiles);
    for (const std::string& name : kSeededFiles)
        EXPECT_EQ(readBytes(folder / name), "default " + name);

    writeBytes(folder / "vexacontrol.ini", "changed");
    fs::remove(folder / "Release.txt");
    SeedResult second = SeedProgramFolder(folder, prefix.defaults);
    EXPECT_EQ(second.error, "");
    EXPECT_EQ(second.copied, std::vector<std::string>{"Release.txt"});
    EXPECT_EQ(readBytes(folder / "vexacontrol.ini"), "changed");
}

TEST(ProgramFolderChoice, SeedingSaysWhatFailed) {
    Prefix prefix;
    writeBytes(prefix.dir / "file", "");
    EXPECT_NE(SeedProgramFolder(prefix.dir / "file/sub", prefix.defaults).error.find("file/sub"), std::string::npos);

    fs::remove(prefix.defaults / "elmptnvxa.elm");
    const SeedResult partial = SeedProgramFolder(prefix.dir / "user", prefix.defaults);
    EXPECT_NE(partial.error.find("elmptnvxa.elm"), std::string::npos);
    EXPECT_EQ(partial.copied, (std::vector<std::string>{"vexacontrol.ini", "Release.txt"}));
}

}  // namespace
}  // namespace vexa
