#include "core/app/MainToolbar.h"

#include <gtest/gtest.h>

#include <vector>

namespace vexa {
namespace {

std::vector<std::string> barAsText() {
    std::vector<std::string> out;
    for (const auto& item : ToolbarItems())
        out.push_back(item.separator ? "|" : std::string(item.keyText) + "=" + item.caption);
    return out;
}

TEST(MainToolbar, TwelveKeyedButtonsAndFiveSeparatorsInBarOrder) {
    const std::vector<std::string> expected = {
        "LOAD=ファイル読込", "NEW=データ初期化", "|", "COPY=シート複製", "|", "SOUND=Sound登録",
        "SETING=設定", "|", "SIM=テスト開始", "WEEK=週間表示", "OTHERS1=", "OTHERS2=", "|",
        "CARD= ｺﾝﾄﾛｰﾙﾃﾞｰﾀ作成", "PRINT=印刷", "|", "APPEND=エディタ終了"};
    EXPECT_EQ(barAsText(), expected);
}

TEST(MainToolbar, KeysAreComparedExactly) {
    EXPECT_EQ(ToolbarKeyFromText("APPEND"), ToolbarKey::Append);
    EXPECT_EQ(ToolbarKeyFromText("SETING"), ToolbarKey::Seting);
    EXPECT_EQ(ToolbarKeyFromText("load"), std::nullopt);
    EXPECT_EQ(ToolbarKeyFromText("SETTING"), std::nullopt);
    EXPECT_EQ(ToolbarKeyFromText(""), std::nullopt);
}

TEST(MainToolbar, SheetModeDecidesCopySparesAndSheetControls) {
    EXPECT_EQ(SheetModeViewFor(false), (SheetModeView{false, true, false}));
    EXPECT_EQ(SheetModeViewFor(true), (SheetModeView{true, false, true}));

    for (bool multi : {false, true}) {
        EXPECT_EQ(ToolbarButtonStateFor(ToolbarKey::Copy, multi, false).visible, multi);
        EXPECT_EQ(ToolbarButtonStateFor(ToolbarKey::Week, multi, false).visible, multi);
        EXPECT_EQ(ToolbarButtonStateFor(ToolbarKey::Others1, multi, false).visible, !multi);
        EXPECT_EQ(ToolbarButtonStateFor(ToolbarKey::Others2, multi, false).visible, !multi);
        EXPECT_TRUE(ToolbarButtonStateFor(ToolbarKey::Load, multi, false).visible);
        EXPECT_TRUE(ToolbarButtonStateFor(ToolbarKey::Append, multi, false).visible);
    }
}

TEST(MainToolbar, DuringATestOnlySimAndTheSparesStayEnabled) {
    for (const auto& item : ToolbarItems()) {
        if (item.separator)
            continue;
        const auto idle = ToolbarButtonStateFor(item.key, true, false);
        const auto testing = ToolbarButtonStateFor(item.key, true, true);
        const bool available = ToolbarCommandAvailable(item.key);
        EXPECT_EQ(idle.enabled, available) << item.keyText;
        EXPECT_EQ(idle.toolTip.empty(), available) << item.keyText;
        EXPECT_EQ(idle.caption, item.caption);
        const bool stays = item.key == ToolbarKey::Sim || item.key == ToolbarKey::Others1 ||
                           item.key == ToolbarKey::Others2;
        EXPECT_EQ(testing.enabled, stays && available) << item.keyText;
        EXPECT_EQ(testing.visible, idle.visible) << item.keyText;
    }
    EXPECT_EQ(ToolbarButtonStateFor(ToolbarKey::Sim, false, true).caption, "テスト停止");
    EXPECT_EQ(ToolbarButtonStateFor(ToolbarKey::Sim, false, false).caption, "テスト開始");
}

}  // namespace
}  // namespace vexa
