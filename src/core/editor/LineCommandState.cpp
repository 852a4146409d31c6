#include "core/editor/LineCommandState.h"

namespace vexa {

std::string_view LineCommandCaption(int index) {
    static constexpr std::array<std::string_view, kLineCommandSlots> captions = {
        "再生", "上移動", "下移動", "左移動", "右移動", "削除", "", "一括登録", "全ｸﾘｱ"};
    if (index < 0 || index >= kLineCommandSlots)
        return {};
    return captions[static_cast<std::size_t>(index)];
}

std::string_view LineCommandShortcut(int index) {
    static constexpr std::array<std::string_view, kLineCommandSlots> keys = {
        "", "Ctrl+Up", "Ctrl+Down", "Ctrl+Left", "Ctrl+Right", "Del", "", "Ctrl+Shift+B", "Ctrl+Shift+Del"};
    if (index < 0 || index >= kLineCommandSlots)
        return {};
    return keys[static_cast<std::size_t>(index)];
}

LineCommandControls CommandControls(CommandState state) {
    LineCommandControls c;
    switch (state) {
    case CommandState::VoiceCell:
        for (int i = 0; i < kLineCommandSlots; ++i)
            c.buttons[static_cast<std::size_t>(i)] = i != 6;
        c.memo = c.tabStrip = c.header = true;
        break;
    case CommandState::Idle:
        c.buttons[linecmd::kBatchFill] = true;
        c.buttons[linecmd::kPlay] = true;
        c.buttons[linecmd::kClearSheet] = true;
        c.playCaption = kPlayCaption;
        c.memo = c.tabStrip = c.header = true;
        break;
    case CommandState::SheetTest:
        break;
    case CommandState::LineTest:
        c.buttons[linecmd::kPlay] = true;
        c.playCaption = kStopCaption;
        break;
    }
    return c;
}

}  // namespace vexa
