#include "core/wavetools/SilenceChecks.h"

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(CheckSilenceRequest, FirstFailingCheckIsShownAndNamesItsEntry) {
    const struct Case {
        int seconds;
        std::string output;
        SilenceEntry entry;
        const char* text;
    } cases[] = {
        {0, "", SilenceEntry::Minutes, "０秒以上の時間を指定してください。"},
        {1, "", SilenceEntry::Output, "出力ファイル名が指定されていません。"},
        {1, "/tmp/pause", SilenceEntry::Output, "出力ファイル名が正しくありません。"},
        {1, "/tmp", SilenceEntry::Output, "出力ファイル名にフォルダが指定されています。\nファイル名を指定してください。"},
        {1, "/no/such/folder/pause.wav", SilenceEntry::Output, "出力先のフォルダ「/no/such/folder」が見つかりません。"},
        {3659, "/tmp/pause.wav", SilenceEntry::None, nullptr},
    };
    for (const auto& c : cases) {
        test::ScriptedDialogs dialogs;
        EXPECT_EQ(CheckSilenceRequest(c.seconds, c.output, dialogs), c.entry) << c.seconds << " " << c.output;
        if (!c.text) {
            EXPECT_TRUE(dialogs.shown.empty());
            continue;
        }
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0], (MessageRequest{c.text, "確認", MessageIcon::Warning, MessageButtons::Ok}));
    }
}

}  // namespace
}  // namespace vexa
