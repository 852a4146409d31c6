#pragma once
// The line command buttons Command(0) … Command(8) beside the programme grid
// and the four states that decide which of them, and which sheet controls,
// can be used.
#include <array>
#include <optional>
#include <string_view>

namespace vexa {

inline constexpr int kLineCommandSlots = 9;  // indexes 0 … 8; there is no button 6

namespace linecmd {
inline constexpr int kPlay = 0;
inline constexpr int kMoveUp = 1;
inline constexpr int kMoveDown = 2;
inline constexpr int kMoveLeft = 3;
inline constexpr int kMoveRight = 4;
inline constexpr int kDelete = 5;
inline constexpr int kBatchFill = 7;
inline constexpr int kClearSheet = 8;
}  // namespace linecmd

// The caption of button `index` ("" for 6 and out of range).
std::string_view LineCommandCaption(int index);
// The key of line command `index` in the grid, in Qt's portable form
// ("Ctrl+Up"); "" for none. They are free in the grid: its cells move with
// the plain arrows, Tab and Enter; the moves and Delete are only usable on
// a voice, whose editor is a list; the whole-sheet commands take Shift too.
std::string_view LineCommandShortcut(int index);
// The line commands the grid's context menu offers, in their order there.
inline constexpr std::array<int, 7> kGridMenuLineCommands = {linecmd::kMoveUp,  linecmd::kMoveDown,
                                                            linecmd::kMoveLeft, linecmd::kMoveRight,
                                                            linecmd::kDelete,   linecmd::kBatchFill,
                                                            linecmd::kClearSheet};
inline constexpr std::string_view kPlayCaption = "再生";
inline constexpr std::string_view kStopCaption = "停止";

enum class CommandState {
    VoiceCell = 0,  // the cursor is on a voice
    Idle = 1,
    SheetTest = 2,
    LineTest = 4,
};

// What a state leaves enabled.
struct LineCommandControls {
    std::array<bool, kLineCommandSlots> buttons{};      // [6] is always false
    std::optional<std::string_view> playCaption;        // set on button 0, or left as it is
    bool memo = false;                                  // FgMemo
    bool tabStrip = false;                              // TabStrip
    bool header = false;                                // FrmSetting

    bool operator==(const LineCommandControls&) const = default;
};

LineCommandControls CommandControls(CommandState state);

}  // namespace vexa
