// The test run in the real main window, with a scripted sound output: SIM
// starts and stops it, the line button and the picture columns test one
// line, the exit stops it before its question, and a voice that cannot be
// played ends it with a warning.
#include "gui/app/FrmMain.h"

#include "core/config/Messages.h"
#include "gui/editor/FgMemo.h"
#include "gui/editor/FgProgramView.h"
#include "gui/editor/ProgramGridModel.h"
#include "gui/editor/ProgramTableView.h"
#include "gui/editor/SheetHeaderFrame.h"
#include "core/editor/TestRun.h"

#include "ScriptedAudioOutput.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "WaveFileBytes.h"

#include <QAction>
#include <QBrush>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace vexa::gui {
namespace {

constexpr int rowOf(int line) { return line + kGridHeaderRows - 1; }  // line from 1

// Dialogs that also note whether a test was running when a box was shown.
class WatchingDialogs : public test::ScriptedDialogs {
public:
    std::function<bool()> testRunning;
    std::vector<bool> runningWhenShown;

    MessageAnswer showMessage(const MessageRequest& request) override {
        runningWhenShown.push_back(testRunning && testRunning());
        return ScriptedDialogs::showMessage(request);
    }
};

Configuration configuration() {
    Configuration c;
    c.settings.maxLine = 95;
    c.settings.addFunction1 = 1;  // the tab strip, memo and header are shown
    return c;
}

class TestRunWindow : public ::testing::Test {
protected:
    TestRunWindow() {
        test::writeBytes(dir / "A.WAV", test::pcmWave(1, 22050, 16, 44100));  // 1.000 s
        Project p = document.project();
        p.sounds.push_back({"A.WAV", "22.05KHz", "16bit", "Mono", "1.000", "44144", (dir / "A.WAV").string(), ""});
        p.sounds.push_back({"GONE.WAV", "8.KHz", "8bit", "Mono", "1.000", "100", (dir / "GONE.WAV").string(), ""});
        p.soundPresent = true;
        ProgramLine& line = p.sheets[0].lines[0];
        line.voices[0] = "A.WAV";
        line.ledType = "1";
        line.ledTime = "1.0";
        p.sheets[0].lines[2].voices[0] = "A.WAV";
        document.replaceProject(p);
        before = document.project();

        output.pollsToPlay["A.WAV"] = 1000;
        frm.setAudioOutput(output);
        dialogs.testRunning = [this] { return frm.testRunning(); };
        frm.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frm));
    }

    QAction* sim() const { return frm.toolbarAction(ToolbarKey::Sim); }
    QLabel* label(const char* name) const { return frm.findChild<QLabel*>(name); }
    ProgramTableView* table() const { return frm.programGrid()->table(); }
    QModelIndex cell(int row, int col) const { return table()->model()->index(row - kGridHeaderRows, col); }
    StatePicture picture(int row, int col) const {
        return static_cast<StatePicture>(cell(row, col).data(ProgramGridModel::PictureRole).toInt());
    }
    QColor background(int row, int col) const {
        return cell(row, col).data(Qt::BackgroundRole).value<QBrush>().color();
    }
    bool waitForPlays(std::size_t count) {
        return QTest::qWaitFor([&] { return output.played().size() >= count; }, 5000);
    }
    void clickCell(int row, int col) {
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->visualRect(cell(row, col)).center());
    }

    // Everything a test disables is enabled again, and the grid shows no test.
    void expectIdle() {
        EXPECT_FALSE(frm.testRunning());
        EXPECT_FALSE(frm.simTimer()->isActive());
        EXPECT_EQ(sim()->text(), "テスト開始");
        EXPECT_TRUE(frm.toolbarAction(ToolbarKey::Load)->isEnabled());
        for (int index : {linecmd::kPlay, linecmd::kBatchFill, linecmd::kClearSheet})
            EXPECT_TRUE(frm.lineCommand(index)->isEnabled()) << index;
        EXPECT_EQ(frm.lineCommand(linecmd::kPlay)->text(), "再生");
        EXPECT_TRUE(frm.tabStrip()->isEnabled());
        EXPECT_TRUE(frm.memoGrid()->isEnabled());
        EXPECT_TRUE(frm.headerFrame()->isEnabled());
        EXPECT_TRUE(label("LblAttention")->isVisible());
        EXPECT_EQ(label("LblState")->text(), "");
        for (int row : {rowOf(1), rowOf(3)}) {
            EXPECT_EQ(background(row, 5), QColor(Qt::white)) << row;
            for (int col : {1, 13, 16})
                EXPECT_EQ(picture(row, col), StatePicture::Idle) << row << "," << col;
        }
        EXPECT_FALSE(output.isOpen());
        // A test never changes the Project.
        EXPECT_EQ(document.project().sheets, before.sheets);
        EXPECT_EQ(document.project().sounds, before.sounds);
        EXPECT_FALSE(document.modified());
    }

    test::TempDir dir;
    Document document{configuration()};
    WatchingDialogs dialogs;
    test::ScriptedAudioOutput output;
    FrmMain frm{ProgramPaths::forFolder("/program"), document, &dialogs};
    Project before;
};

TEST_F(TestRunWindow, SimStartsTheSheetAndStopsIt) {
    sim()->trigger();
    EXPECT_TRUE(frm.testRunning());
    EXPECT_EQ(sim()->text(), "テスト停止");
    EXPECT_TRUE(sim()->isEnabled());
    EXPECT_FALSE(frm.toolbarAction(ToolbarKey::Load)->isEnabled());
    EXPECT_FALSE(frm.toolbarAction(ToolbarKey::Sound)->isEnabled());
    for (int index : {linecmd::kPlay, linecmd::kBatchFill, linecmd::kClearSheet})
        EXPECT_FALSE(frm.lineCommand(index)->isEnabled()) << index;
    EXPECT_FALSE(frm.tabStrip()->isEnabled());
    EXPECT_FALSE(frm.memoGrid()->isEnabled());
    EXPECT_FALSE(frm.headerFrame()->isEnabled());
    EXPECT_FALSE(label("LblAttention")->isVisible());
    EXPECT_TRUE(frm.simTimer()->isActive());
    EXPECT_EQ(frm.simTimer()->interval(), 50);
    EXPECT_EQ(frm.simTimer()->timerType(), Qt::PreciseTimer);

    ASSERT_TRUE(waitForPlays(1));  // the first tick
    EXPECT_EQ(output.played(), std::vector<std::string>{"A.WAV"});
    EXPECT_EQ(background(rowOf(1), 5), QColor(210, 225, 240));
    EXPECT_EQ(background(rowOf(1), 0), QColor(Qt::white));  // the number column keeps its colour
    EXPECT_EQ(picture(rowOf(1), 1), StatePicture::Voice);
    EXPECT_EQ(picture(rowOf(1), 13), StatePicture::Led);
    EXPECT_EQ(label("LblState")->text(), "A.WAV  PCM 22.05KHz 16Bit Mono 1.000秒 44144バイト ");

    sim()->trigger();
    expectIdle();
}

TEST_F(TestRunWindow, TheLineButtonAndThePicturesTestOneLine) {
    frm.programGrid()->editCellAt(rowOf(3), 3);
    frm.lineCommand(linecmd::kPlay)->click();
    ASSERT_TRUE(frm.testRunning());
    EXPECT_EQ(frm.lineCommand(linecmd::kPlay)->text(), "停止");
    EXPECT_TRUE(frm.lineCommand(linecmd::kPlay)->isEnabled());
    ASSERT_TRUE(waitForPlays(1));
    EXPECT_EQ(background(rowOf(3), 5), QColor(210, 225, 240));
    frm.lineCommand(linecmd::kPlay)->click();
    expectIdle();

    // A click on a picture starts its line; a click on any picture stops it.
    clickCell(rowOf(1), 13);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frm.testRunning(); }, 2000));
    ASSERT_TRUE(waitForPlays(2));
    clickCell(rowOf(3), 16);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !frm.testRunning(); }, 2000));
    expectIdle();
    EXPECT_EQ(output.played().size(), 2u);
}

TEST_F(TestRunWindow, ClosingStopsTheTestBeforeTheQuestion) {
    sim()->trigger();
    ASSERT_TRUE(waitForPlays(1));
    dialogs.answers = {MessageAnswer::No};  // stay open
    frm.close();
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{GetMsg(msg::kExitQuestion)});
    EXPECT_EQ(dialogs.runningWhenShown, std::vector<bool>{false});
    expectIdle();
}

TEST_F(TestRunWindow, AVoiceThatCannotBePlayedEndsTheTestWithAWarning) {
    Project p = document.project();
    p.sheets[0].lines[0].voices[0] = "GONE.WAV";
    document.replaceProject(p);
    before = document.project();
    output.openResults["GONE.WAV"] = {AudioFault::FileMissing, ""};
    sim()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.shown.empty(); }, 5000));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Warning);
    EXPECT_NE(dialogs.shown[0].text.find((dir / "GONE.WAV").string()), std::string::npos) << dialogs.shown[0].text;
    EXPECT_EQ(dialogs.runningWhenShown, std::vector<bool>{false});  // already ended
    expectIdle();
}

TEST_F(TestRunWindow, ASheetThatFailsItsCheckIsNotTested) {
    Project p = document.project();
    p.sheets[0].lines[1].repeat = "";
    document.replaceProject(p);
    sim()->trigger();
    EXPECT_FALSE(frm.testRunning());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{GetMsg(msg::kRequiredMissing)});
    EXPECT_EQ(frm.programGrid()->cursorRow(), rowOf(2));
    EXPECT_EQ(frm.programGrid()->cursorColumn(), gridcol::kRepeat);
}

}  // namespace
}  // namespace vexa::gui
