// Choosing files and folders for registration, and the WaveRef they leave.
#include "sound/WaveChoosers.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(WaveChoosers, FilesFromTheChooserStartingInWaveRef) {
    test::ScriptedDialogs dialogs;
    dialogs.fileAnswers = {{"/cards/snd/B.WAV", "/cards/snd/A.WAV"}, {}};
    const auto paths = ChooseWaveFiles(dialogs, "/cards/snd");
    EXPECT_EQ(paths, (std::vector<std::string>{"/cards/snd/B.WAV", "/cards/snd/A.WAV"}));
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].initialFolder, "/cards/snd");
    EXPECT_EQ(dialogs.fileRequests[0].title, "ファイル選択");
    EXPECT_TRUE(dialogs.fileRequests[0].multiple);
    EXPECT_EQ(dialogs.fileRequests[0].filters, WaveFileFilters());
    EXPECT_TRUE(ChooseWaveFiles(dialogs, "/").empty());  // cancelled
    EXPECT_EQ(WaveRefAfter(paths), "/cards/snd");
}

TEST(WaveChoosers, AFolderGivesItsWaveFilesByName) {
    test::TempDir dir;
    for (const char* name : {"CHIME.WAV", "bell.wav", "x.txt"})
        test::writeBytes(dir / name, "x");
    test::ScriptedDialogs dialogs;
    dialogs.folderAnswers = {dir.path().string() + "/", ""};
    EXPECT_EQ(ChooseWaveFolder(dialogs, "/start"),
              (std::vector<std::string>{(dir / "bell.wav").string(), (dir / "CHIME.WAV").string()}));
    EXPECT_EQ(dialogs.folderRequests, std::vector<std::string>{"/start"});
    EXPECT_TRUE(ChooseWaveFolder(dialogs, "/start").empty());
}

}  // namespace
}  // namespace vexa
