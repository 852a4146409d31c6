#include "core/files/MakeDir.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vexa {
namespace {

namespace fs = std::filesystem;

TEST(MakeDir, CreatesEveryMissingLevelOrSaysItCannot) {
    test::TempDir dir;
    const std::string root = dir.path().string();
    test::writeBytes(dir / "file", "x");
    struct Case {
        std::string path;
        bool made;
    };
    const Case cases[] = {
        {root + "/a/b/c", true},
        {"  " + root + "/trimmed/ ", true},   // blanks around the path
        {root + "/a/b/c/", true},             // already there
        {root + "/file/sub", false},          // a level is a file
        {root + "/file", false},
        {"   ", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MakeDir(c.path), c.made) << "[" << c.path << "]";
    EXPECT_TRUE(fs::is_directory(dir / "a" / "b" / "c"));
    EXPECT_TRUE(fs::is_directory(dir / "trimmed"));
}

}  // namespace
}  // namespace vexa
