#pragma once
// What a test run shows, told by TestRun: the main window answers with its
// grid, labels, toolbar and timer; `vexa timeline` records it.
#include "core/editor/LineCommandState.h"
#include "core/editor/ProgramGrid.h"

#include <string>

namespace vexa {

class TestRunView {
public:
    virtual ~TestRunView() = default;

    // On: LblAttention hidden, the controls in test mode (SIM reads
    // "テスト停止", the other keys, line buttons 7 and 8, the memo grid, the
    // tab strip and the header frame disabled), the line command state
    // `state`, the timer on. Off: all of it back, state Idle, the timer off.
    virtual void showTestMode(bool on, CommandState state) = 0;
    // Columns 1 … 22 of grid row `row` in the playing colour, or back to
    // white and pink.
    virtual void showPlaying(int row, bool playing) = 0;
    // The picture of column 1, 13 or 16 of grid row `row`.
    virtual void showPicture(int row, int col, StatePicture picture) = 0;
    // LblState: what is playing ("" for nothing).
    virtual void showState(const std::string& text) = 0;
    // The grid scrolls so that grid row `row` is its top row.
    virtual void scrollToTop(int row) = 0;
};

}  // namespace vexa
