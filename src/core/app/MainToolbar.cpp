#include "core/app/MainToolbar.h"

#include "core/config/Messages.h"

namespace vexa {
namespace {

// The separators group reading data, sheet work, testing, output and the exit.
constexpr std::array<ToolbarItem, kToolbarItemCount> kItems = {{
    {false, ToolbarKey::Load, "LOAD", "ファイル読込"},
    {false, ToolbarKey::New, "NEW", "データ初期化"},
    {true, ToolbarKey::Load, "", ""},
    {false, ToolbarKey::Copy, "COPY", "シート複製"},
    {true, ToolbarKey::Load, "", ""},
    {false, ToolbarKey::Sound, "SOUND", "Sound登録"},
    {false, ToolbarKey::Seting, "SETING", "設定"},
    {true, ToolbarKey::Load, "", ""},
    {false, ToolbarKey::Sim, "SIM", "テスト開始"},
    {false, ToolbarKey::Week, "WEEK", "週間表示"},
    {false, ToolbarKey::Others1, "OTHERS1", ""},
    {false, ToolbarKey::Others2, "OTHERS2", ""},
    {true, ToolbarKey::Load, "", ""},
    {false, ToolbarKey::Card, "CARD", " ｺﾝﾄﾛｰﾙﾃﾞｰﾀ作成"},
    {false, ToolbarKey::Print, "PRINT", "印刷"},
    {true, ToolbarKey::Load, "", ""},
    {false, ToolbarKey::Append, "APPEND", "エディタ終了"},
}};

}  // namespace

const std::array<ToolbarItem, kToolbarItemCount>& ToolbarItems() { return kItems; }

std::optional<ToolbarKey> ToolbarKeyFromText(std::string_view text) {
    for (const auto& item : kItems)
        if (!item.separator && text == item.keyText)
            return item.key;
    return std::nullopt;
}

SheetModeView SheetModeViewFor(bool multiSheet) {
    return multiSheet ? SheetModeView{true, false, true} : SheetModeView{false, true, false};
}

bool ToolbarCommandAvailable(ToolbarKey key) {
    switch (key) {
    case ToolbarKey::Print:
    case ToolbarKey::Sim:
    case ToolbarKey::Seting:
    case ToolbarKey::Sound:
    case ToolbarKey::Card:
    case ToolbarKey::Load:
    case ToolbarKey::New:
    case ToolbarKey::Copy:
    case ToolbarKey::Others1:
    case ToolbarKey::Others2:
    case ToolbarKey::Append:
    case ToolbarKey::Week:
        break;
    }
    return true;
}

ToolbarButtonState ToolbarButtonStateFor(ToolbarKey key, bool multiSheet, bool testRunning) {
    ToolbarButtonState state;
    for (const auto& item : kItems)
        if (!item.separator && item.key == key)
            state.caption = item.caption;
    const SheetModeView view = SheetModeViewFor(multiSheet);
    const bool spare = key == ToolbarKey::Others1 || key == ToolbarKey::Others2;
    if (key == ToolbarKey::Copy || key == ToolbarKey::Week)
        state.visible = view.copyButton;
    if (spare)
        state.visible = view.spareButtons;
    if (testRunning) {
        state.enabled = key == ToolbarKey::Sim || spare;
        if (key == ToolbarKey::Sim)
            state.caption = GetMsg(msg::kTestStop);
    }
    if (!ToolbarCommandAvailable(key)) {
        state.enabled = false;
        state.toolTip = kNotAvailableToolTip;
    }
    return state;
}

}  // namespace vexa
