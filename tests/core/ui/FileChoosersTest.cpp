#include "core/ui/FileChoosers.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace vexa {
namespace {

using namespace std::string_literals;

TEST(FileChoosers, OpenFileDialogGivesTheResultForms) {
    test::ScriptedDialogs dialogs;
    dialogs.fileAnswers = {{}, {"/cards/a.vxa"}, {"/w/a.wav", "/w/b.wav"}};
    const std::vector<std::string> filters = {"Vexa Editorファイル|*.vxa"};

    EXPECT_EQ(OpenFileDialog(dialogs, false, filters, "/cards", "t"), "");
    EXPECT_EQ(OpenFileDialog(dialogs, false, filters, "/cards", "t"), "/cards/a.vxa");
    EXPECT_EQ(OpenFileDialog(dialogs, true, filters, "/w", "t"), "/w/\0a.wav\0b.wav"s);

    ASSERT_EQ(dialogs.fileRequests.size(), 3u);
    EXPECT_EQ(dialogs.fileRequests[0].initialFolder, "/");  // "/cards" does not exist
    EXPECT_EQ(dialogs.fileRequests[0].filters, filters);
    EXPECT_TRUE(dialogs.fileRequests[2].multiple);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(FileChoosers, TooLongASelectionIsRefused) {
    test::ScriptedDialogs dialogs;
    std::vector<std::string> many;
    for (int i = 0; i < 120; ++i)
        many.push_back("/w/VOICE" + std::to_string(1000 + i) + ".wav");  // 13 + NUL each
    dialogs.fileAnswers = {many};
    EXPECT_EQ(OpenFileDialog(dialogs, true, {}, "/w", "t"), "");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "一度に選択できる数を超えています。\u3000\u3000");
    EXPECT_EQ(dialogs.shown[0].title, "確認");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Warning);
}

TEST(FileChoosers, BrowseFolderDropsTheTrailingSeparator) {
    test::ScriptedDialogs dialogs;
    dialogs.folderAnswers = {"/home/u/cards/", "", "/"};
    EXPECT_EQ(BrowseFolder(dialogs, "/home/u"), "/home/u/cards");
    EXPECT_EQ(BrowseFolder(dialogs, ""), "");
    EXPECT_EQ(BrowseFolder(dialogs, ""), "/");
    EXPECT_EQ(dialogs.folderRequests.front(), std::filesystem::exists("/home/u") ? "/home/u" : "/home");
}

TEST(FileChoosers, ChoosersOpenInTheNearestExistingFolder) {
    test::TempDir dir;
    std::filesystem::create_directories(dir / "cards");
    test::writeBytes(dir / "cards" / "file", "x");
    const std::string root = dir.path().string();
    const std::pair<std::string, std::string> cases[] = {
        {root + "/cards", root + "/cards"},
        {root + "/cards/VexaEditor CardData", root + "/cards"},  // not made yet
        {root + "/a/b/c", root},
        {root + "/cards/file", root + "/cards"},                 // a file is no folder
        {"", ""},
    };
    for (const auto& [folder, expected] : cases) {
        EXPECT_EQ(NearestExistingFolder(folder), expected) << folder;
        test::ScriptedDialogs dialogs;
        OpenFileDialog(dialogs, false, {}, folder, "t");
        BrowseFolder(dialogs, folder);
        EXPECT_EQ(dialogs.fileRequests.at(0).initialFolder, expected);
        EXPECT_EQ(dialogs.folderRequests.at(0), expected);
    }
}

}  // namespace
}  // namespace vexa
