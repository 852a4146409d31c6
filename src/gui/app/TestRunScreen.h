#pragma once
// What the main window shows of a test run: test mode on its toolbar and
// controls, the timer TmrSim, the playing line and the pictures in the
// programme grid, and the voice in LblState.
#include "core/editor/TestRunView.h"

class QLabel;
class QTimer;

namespace vexa::gui {

class FgProgramView;
class FrmMain;

class TestRunScreen : public TestRunView {
public:
    TestRunScreen(FrmMain& window, FgProgramView& grid, QLabel& lblState, QTimer& tmrSim);

    void showTestMode(bool on, CommandState state) override;
    void showPlaying(int row, bool playing) override;
    void showPicture(int row, int col, StatePicture picture) override;
    void showState(const std::string& text) override;
    void scrollToTop(int row) override;

private:
    FrmMain& window_;
    FgProgramView& grid_;
    QLabel& lblState_;
    QTimer& tmrSim_;
};

}  // namespace vexa::gui
