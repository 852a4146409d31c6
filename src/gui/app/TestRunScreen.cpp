#include "gui/app/TestRunScreen.h"

#include "gui/app/FrmMain.h"
#include "gui/editor/FgProgramView.h"

#include <QLabel>
#include <QTimer>

namespace vexa::gui {

TestRunScreen::TestRunScreen(FrmMain& window, FgProgramView& grid, QLabel& lblState, QTimer& tmrSim)
    : window_(window), grid_(grid), lblState_(lblState), tmrSim_(tmrSim) {}

void TestRunScreen::showTestMode(bool on, CommandState state) {
    window_.setTestRunning(on);
    window_.setCommandState(state);
    if (on)
        tmrSim_.start();
    else
        tmrSim_.stop();
}

void TestRunScreen::showPlaying(int row, bool playing) { grid_.setPlaying(row, playing); }

void TestRunScreen::showPicture(int row, int col, StatePicture picture) { grid_.setPicture(row, col, picture); }

void TestRunScreen::showState(const std::string& text) { lblState_.setText(QString::fromStdString(text)); }

void TestRunScreen::scrollToTop(int row) { grid_.scrollToTopRow(row); }

}  // namespace vexa::gui
