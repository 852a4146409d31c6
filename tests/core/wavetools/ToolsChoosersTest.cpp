#include "core/wavetools/ToolsChoosers.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(ToolsChoosers, FilesAndFoldersAreRememberedApartAndStartTheirChoosers) {
    test::TempDir dir;
    const std::string folder = dir.path().string();
    test::ScriptedDialogs dialogs;
    ToolsChoosers choosers;

    dialogs.fileAnswers = {{folder + "/new.wav"}};
    EXPECT_EQ(choosers.chooseForConversion(ConversionMode::File, dialogs), folder + "/new.wav");
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    const FileChooserRequest& request = dialogs.fileRequests[0];
    EXPECT_EQ(request.title, "ファイルを開く");
    EXPECT_EQ(request.filters, std::vector<std::string>{"WAVE ファイル|*.wav"});
    EXPECT_FALSE(request.multiple);
    EXPECT_FALSE(request.mustExist);  // an output name is typed in the same chooser
    EXPECT_EQ(request.initialFolder, "");

    dialogs.folderAnswers = {folder + "/"};
    EXPECT_EQ(choosers.chooseForConversion(ConversionMode::Folder, dialogs), folder);
    EXPECT_EQ(choosers.lastFolder(), folder);
    EXPECT_EQ(choosers.lastFile(), folder + "/new.wav");

    // Cancelled: nothing changes; the chooser started at the last folder.
    EXPECT_EQ(choosers.chooseForConversion(ConversionMode::Folder, dialogs), "");
    EXPECT_EQ(dialogs.folderRequests.back(), folder);
    EXPECT_EQ(choosers.lastFolder(), folder);

    // The silent file's chooser starts at the last file and leaves it.
    dialogs.fileAnswers = {{folder + "/pause.wav"}};
    EXPECT_EQ(choosers.chooseSilentFile(dialogs), folder + "/pause.wav");
    EXPECT_EQ(dialogs.fileRequests.back().initialFolder, folder);
    EXPECT_EQ(choosers.lastFile(), folder + "/new.wav");

    // A name in a folder that does not exist is not taken.
    dialogs.fileAnswers = {{folder + "/none/x.wav"}};
    EXPECT_EQ(choosers.chooseForConversion(ConversionMode::File, dialogs), "");
    EXPECT_EQ(choosers.lastFile(), folder + "/new.wav");
}

}  // namespace
}  // namespace vexa
