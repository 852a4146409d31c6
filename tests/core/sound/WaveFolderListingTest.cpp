// The folder listing of "フォルダ選択": upper-case names included, sorted by
// name, other files and folders left out.
#include "core/sound/WaveFolderListing.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(WaveFolderListing, ListsWaveFilesOfAnyCaseSortedByName) {
    test::TempDir dir;
    for (const char* name : {"chime.wav", "BELL.WAV", "Alarm.Wav", "notes.txt", "wav", "b.wav.bak", "ZZ.wav"})
        test::writeBytes(dir / name, "x");
    std::filesystem::create_directory(dir / "SUB.WAV");
    EXPECT_EQ(ListWaveFiles(dir.path()),
              (std::vector<std::string>{(dir / "Alarm.Wav").string(), (dir / "BELL.WAV").string(),
                                        (dir / "chime.wav").string(), (dir / "ZZ.wav").string()}));
    EXPECT_TRUE(ListWaveFiles(dir / "missing").empty());
}

TEST(WaveFolderListing, ExtensionTest) {
    EXPECT_TRUE(HasWaveExtension("A.WAV"));
    EXPECT_TRUE(HasWaveExtension("a.wAv"));
    EXPECT_FALSE(HasWaveExtension(".wav"));
    EXPECT_FALSE(HasWaveExtension("a.wave"));
    EXPECT_FALSE(HasWaveExtension("awav"));
}

}  // namespace
}  // namespace vexa
