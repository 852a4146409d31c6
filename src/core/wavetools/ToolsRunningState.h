#pragma once
// What the tools window changes while a job runs: every control that could
// start a second job or change the running one's inputs is disabled, and the
// two execute buttons become the stop buttons.
#include <array>
#include <string_view>

namespace vexa {

// The controls enabled only while no job runs, by the names the window
// gives them.
inline constexpr std::array<std::string_view, 16> kIdleOnlyControls{
    "OptConvMode_0", "OptConvMode_1", "TxtConv01_0", "TxtConv01_1", "CmdConv01_0", "CmdConv01_1",
    "TxtMM",         "UpDownMM",      "TxtSS",       "UpDown1",     "CmbBit",      "CmbSample",
    "TxtSirent",     "CmdSrt",        "TabStrip1",   "CmdExit",
};

constexpr std::string_view ConvertButtonCaption(bool running) { return running ? "変換停止" : "変換実行"; }
constexpr std::string_view SilenceButtonCaption(bool running) { return running ? "停止" : "実行"; }

}  // namespace vexa
