#include "core/controlfile/UndecodedText.h"

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <functional>

namespace vexa {
namespace {

const std::string kBad = "\uFFFD";

TEST(UndecodedText, FoundInEveryTextTheWriterWrites) {
    EXPECT_FALSE(HoldsUndecodedText(Project{}));
    const std::vector<std::function<void(Project&)>> places = {
        [](Project& p) { p.sheets[0].lines[0].voices[7] = "a" + kBad; },
        [](Project& p) { p.sheets[7].lines[255].ex[3] = kBad; },
        [](Project& p) { p.sheets[3].header.memo = kBad; },
        [](Project& p) { p.sounds[0].comment = kBad; },
        [](Project& p) { p.card.memo2 = kBad; },
        [](Project& p) { p.patterns.buzzer[2].off = kBad; },
        [](Project& p) { p.user.values[10] = kBad; },
    };
    for (std::size_t i = 0; i < places.size(); ++i) {
        Project project;
        places[i](project);
        EXPECT_TRUE(HoldsUndecodedText(project)) << i;
    }
}

TEST(UndecodedText, LinesAreNamedUpToTen) {
    EXPECT_EQ(UndecodedLinesText({3}), "3行目");
    EXPECT_EQ(UndecodedLinesText({3, 7, 12}), "3, 7, 12行目");
    EXPECT_EQ(UndecodedLinesText({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), "1, 2, 3, 4, 5, 6, 7, 8, 9, 10行目ほか2行");
}

TEST(UndecodedText, AskedBeforeWritingOnlyWhileTheLoadedTextIsStillThere) {
    Project project;
    test::ScriptedDialogs dialogs;
    EXPECT_TRUE(ConfirmWritingUndecodedText(project, dialogs));  // nothing was met
    project.undecoded = {"/x/a.vxa", {4}};
    EXPECT_TRUE(ConfirmWritingUndecodedText(project, dialogs));  // the text was mended since
    EXPECT_TRUE(dialogs.shown.empty());

    project.card.title = "T" + kBad;
    dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(ConfirmWritingUndecodedText(project, dialogs));
    EXPECT_TRUE(ConfirmWritingUndecodedText(project, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 2U);
    EXPECT_EQ(dialogs.shown[0].text, "読み込んだ「/x/a.vxa」の4行目に、CP932 の文字として読めないバイトがありました。\n"
                                     "その文字は「?」として書き込まれます。続けてよろしいですか？");
    EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::YesNo);
}

}  // namespace
}  // namespace vexa
