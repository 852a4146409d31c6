#include "core/wavetools/ConversionChecks.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "WaveFileBytes.h"
#include "core/config/Messages.h"

#include <gtest/gtest.h>

#include <optional>
#include <sys/stat.h>

namespace vexa {
namespace {

TEST(CheckFile, NamePartMustHoldAPoint) {
    EXPECT_TRUE(CheckFile("out.wav"));
    EXPECT_TRUE(CheckFile("/tmp/a.b/out."));
    EXPECT_FALSE(CheckFile("/tmp/a.b/out"));  // the point of a folder does not count
    EXPECT_FALSE(CheckFile("out"));
    EXPECT_FALSE(CheckFile(""));
}

TEST(CheckFileConversion, FirstFailingCheckIsShownAndNamesItsEntry) {
    test::TempDir dir;
    const std::string wave = (dir / "in.wav").string();
    test::writeBytes(wave, test::pcmWave(2, 22050, 16, 8));
    const std::string out = (dir / "out.wav").string();
    std::filesystem::create_symlink(wave, dir / "link.wav");
    std::filesystem::create_directory(dir / "sub.wav");
    const std::string fifo = (dir / "pipe.wav").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);  // opening it must not wait for a writer
    const char* const sameFile =
        "変換するファイルと出力ファイル名が同じです。\n出力ファイル名は異なる場所または名前を指定してください。　　";
    const char* const folder = "出力ファイル名にフォルダが指定されています。\nファイル名を指定してください。";
    const struct Case {
        std::string source, output;
        ConversionEntry entry;
        std::optional<std::string> text;
    } cases[] = {
        {"", "", ConversionEntry::Source, "変換対象のファイルが指定されていません。"},
        {(dir / "none.wav").string(), out, ConversionEntry::Source, "指定されたファイルが存在しません。"},
        {dir.path().string(), out, ConversionEntry::Source,
         "「" + dir.path().string() + "」を読めません：フォルダーで、ファイルではありません。"},
        {fifo, out, ConversionEntry::Source, "「" + fifo + "」を読めません：名前付きパイプ（FIFO）で、通常のファイルではありません。"},
        {wave, "", ConversionEntry::Output, "出力ファイル名が指定されていません。"},
        {wave, wave, ConversionEntry::Output, sameFile},
        {wave, (dir / "." / "in.wav").string(), ConversionEntry::Output, sameFile},
        {wave, (dir / "link.wav").string(), ConversionEntry::Output, sameFile},
        {wave, (dir / "sub.wav").string(), ConversionEntry::Output, folder},
        {wave, dir.path().string(), ConversionEntry::Output, folder},
        {wave, (dir / "out").string(), ConversionEntry::Output, "出力ファイル名が正しくありません。"},
        {wave, (dir / "none" / "out.wav").string(), ConversionEntry::Output,
         "出力先のフォルダ「" + (dir / "none").string() + "」が見つかりません。"},
        {wave, (dir / "in.wav" / "out.wav").string(), ConversionEntry::Output,
         "出力先の「" + wave + "」はフォルダではありません。"},
        {wave, out, ConversionEntry::None, std::nullopt},
    };
    for (const auto& c : cases) {
        test::ScriptedDialogs dialogs;
        EXPECT_EQ(CheckFileConversion(c.source, c.output, dialogs), c.entry) << c.source << " " << c.output;
        if (!c.text) {
            EXPECT_TRUE(dialogs.shown.empty());
            continue;
        }
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0], (MessageRequest{*c.text, "確認", MessageIcon::Warning, MessageButtons::Ok}));
    }
}

TEST(ConfirmOverwrite, AsksOnlyForAnExistingFile) {
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    EXPECT_TRUE(ConfirmOverwrite((dir / "new.wav").string(), dialogs));
    EXPECT_TRUE(dialogs.shown.empty());

    test::writeBytes(dir / "old.wav", "x");
    dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(ConfirmOverwrite((dir / "old.wav").string(), dialogs));
    EXPECT_TRUE(ConfirmOverwrite((dir / "old.wav").string(), dialogs));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0], (MessageRequest{"出力ファイルは既に存在します。上書きしてもよろしいですか？", "確認",
                                                MessageIcon::Warning, MessageButtons::YesNo}));
}

TEST(CheckStereoSource, RefusesUnreadableAndMonoFiles) {
    test::TempDir dir;
    test::writeBytes(dir / "stereo.wav", test::pcmWave(2, 22050, 16, 8));
    test::writeBytes(dir / "mono.wav", test::pcmWave(1, 22050, 16, 8));
    test::writeBytes(dir / "text.wav", "plain text, not a WAVE file");

    test::ScriptedDialogs dialogs;
    EXPECT_TRUE(CheckStereoSource(dir / "stereo.wav", dialogs));
    EXPECT_TRUE(dialogs.shown.empty());

    EXPECT_FALSE(CheckStereoSource(dir / "mono.wav", dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0], (MessageRequest{"mono.wav はステレオではありません。", "確認",
                                                MessageIcon::Information, MessageButtons::Ok}));

    dialogs.shown.clear();
    EXPECT_FALSE(CheckStereoSource(dir / "text.wav", dialogs));
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"「text.wav」\n" + GetMsg(2801), "情報の取得に失敗しました。処理を中止します。"}));
    EXPECT_EQ(dialogs.shown.back().icon, MessageIcon::Warning);
}

}  // namespace
}  // namespace vexa
