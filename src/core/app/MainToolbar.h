#pragma once
// The main window's toolbar: its buttons and separators in bar order, and what
// each button shows in single- and multi-sheet mode and while a test runs.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vexa {

enum class ToolbarKey { Load, New, Copy, Sound, Seting, Sim, Others1, Others2, Card, Print, Append, Week };

inline constexpr int kToolbarButtonCount = 12;
inline constexpr int kToolbarItemCount = 17;  // the buttons and five separators

struct ToolbarItem {
    bool separator = false;
    ToolbarKey key = ToolbarKey::Load;  // meaningless for a separator
    const char* keyText = "";           // "LOAD", … ("" for a separator)
    const char* caption = "";
};

// The bar from left to right.
const std::array<ToolbarItem, kToolbarItemCount>& ToolbarItems();

// The key of a key text, compared exactly ("LOAD", never "load").
std::optional<ToolbarKey> ToolbarKeyFromText(std::string_view text);

struct ToolbarButtonState {
    bool visible = true;
    bool enabled = true;
    std::string caption;
    std::string toolTip;  // why a button is disabled, when it is not for the test

    bool operator==(const ToolbarButtonState&) const = default;
};

// Which of the sheet controls the window shows.
struct SheetModeView {
    bool copyButton = false;    // COPY and WEEK
    bool spareButtons = false;  // OTHERS1, OTHERS2
    bool sheetControls = false; // TabStrip, FgMemo, FrmSetting

    bool operator==(const SheetModeView&) const = default;
};

SheetModeView SheetModeViewFor(bool multiSheet);

// Whether this build has the window or command behind a key. A key without
// one is disabled with a tooltip instead of doing nothing when clicked.
bool ToolbarCommandAvailable(ToolbarKey key);
// The tooltip of such a key.
inline constexpr const char* kNotAvailableToolTip = "この機能はこの版ではまだ使えません。";

// A button's look: COPY, WEEK and the spares follow the sheet mode; during a test
// only SIM (captioned "テスト停止") and the spares stay enabled; a key
// without its command is disabled with a tooltip.
ToolbarButtonState ToolbarButtonStateFor(ToolbarKey key, bool multiSheet, bool testRunning);

}  // namespace vexa
