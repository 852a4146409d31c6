// Choosing files and folders for registration, and the WaveRef they leave.
#include "core/sound/WaveChoosers.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(WaveChoosers, FilesFromTheChooserStartingInWaveRef) {
    test::TempDir dir;
    const std::string folder = dir.path().string();
    test::ScriptedDialogs dialogs;
    dialogs.fileAnswers = {{folder + "/B.WAV", folder + "/A.WAV"}, {}};
    const auto paths = ChooseWaveFiles(dialogs, folder);
    EXPECT_EQ(paths, (std::vector<std::string>{folder + "/B.WAV", folder + "/A.WAV"}));
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].initialFolder, folder);
    EXPECT_EQ(dialogs.fileRequests[0].title, "ファイル選択");
    EXPECT_TRUE(dialogs.fileRequests[0].multiple);
    EXPECT_EQ(dialogs.fileRequests[0].filters, WaveFileFilters());
    EXPECT_TRUE(ChooseWaveFiles(dialogs, "/").empty());  // cancelled
    EXPECT_EQ(WaveRefAfter(paths), folder);
}

TEST(WaveChoosers, AFolderGivesItsWaveFilesByName) {
    test::TempDir dir;
    for (const char* name : {"CHIME.WAV", "bell.wav", "x.txt"})
        test::writeBytes(dir / name, "x");
    test::ScriptedDialogs dialogs;
    dialogs.folderAnswers = {dir.path().string() + "/", ""};
    EXPECT_EQ(ChooseWaveFolder(dialogs, dir.path().string()),
              (std::vector<std::string>{(dir / "bell.wav").string(), (dir / "CHIME.WAV").string()}));
    EXPECT_EQ(dialogs.folderRequests, std::vector<std::string>{dir.path().string()});
    EXPECT_TRUE(ChooseWaveFolder(dialogs, dir.path().string()).empty());
}

}  // namespace
}  // namespace vexa
