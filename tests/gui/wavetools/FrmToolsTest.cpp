// The real WAVE tools window, offscreen: the controls as it opens, the time
// boxes, the refusals' focus, and jobs on the worker: a conversion to its end,
// a silence job stopped through the question, and closing during a job (the
// window goes only once the job has ended). Jobs that must still be running
// when the test acts are held on the worker by a gate before they start.
#include "gui/wavetools/FrmTools.h"

#include "core/wavetools/JobMessages.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "WaveFileBytes.h"
#include "core/wavetools/ToolsRunningState.h"
#include "gui/ui/UpDown.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <utility>

namespace vexa::gui {
namespace {

namespace fs = std::filesystem;

const std::string kStopQuestion = "処理を中止してよろしいですか？";
const std::string kStopped = "ユーザーにより処理を中断しました。";

// Holds the next job on the worker until opened; opens itself when it goes,
// so a failing test does not leave a worker waiting.
class Gate {
public:
    Gate() : opened_(promise_.get_future().share()) {}
    ~Gate() { open(); }
    std::function<void()> hold() {
        return [opened = opened_] { opened.wait(); };
    }
    void open() {
        if (!done_)
            promise_.set_value();
        done_ = true;
    }

private:
    std::promise<void> promise_;
    std::shared_future<void> opened_;
    bool done_ = false;
};

// Scripted dialogs that can run something while the next box is open, as
// a job that ends meanwhile does.
class HookedDialogs : public test::ScriptedDialogs {
public:
    std::function<void()> whileNextIsOpen;

    MessageAnswer showMessage(const MessageRequest& request) override {
        if (auto hook = std::exchange(whileNextIsOpen, {}))
            hook();
        return ScriptedDialogs::showMessage(request);
    }
};

// Where a button sits in its window.
QPoint placeOf(const QWidget* button) { return button->mapTo(button->window(), QPoint(0, 0)); }

struct Window {
    test::TempDir dir;
    HookedDialogs dialogs;
    FrmTools frm{dialogs};
    Gate gate;  // declared after the window: opened before the window waits for its job
    Gate gate2;

    Window() {
        frm.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frm));
    }
    std::string stereo(const std::string& name, std::uint32_t dataBytes) {
        test::writeBytes(dir / name, test::pcmWave(2, 44100, 16, dataBytes));
        return (dir / name).string();
    }
    void waitForTheEnd() { EXPECT_TRUE(QTest::qWaitFor([&] { return !frm.running(); }, 20000)); }
    void expectRunning(bool running) {
        for (std::string_view name : kIdleOnlyControls) {
            auto* control = frm.findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
            ASSERT_TRUE(control) << name;
            EXPECT_EQ(control->isEnabled(), !running) << name;
        }
        EXPECT_TRUE(frm.cmdExec()->isEnabled());
        EXPECT_TRUE(frm.cmdSirentExec()->isEnabled());
        EXPECT_EQ(frm.cmdExec()->text(), running ? "変換停止" : "変換実行");
        EXPECT_EQ(frm.cmdSirentExec()->text(), running ? "停止" : "実行");
    }
    void silenceTab(const char* minutes, const char* seconds, const std::string& file) {
        frm.tabStrip()->setCurrentIndex(1);
        frm.txtMM()->setText(minutes);
        frm.txtSS()->setText(seconds);
        frm.txtSirent()->setText(QString::fromStdString(file));
    }
};

TEST(FrmTools, OpensOnTheConversionTabInFileModeWithTheDefaults) {
    Window w;
    EXPECT_EQ(w.frm.windowTitle(), "変換ﾂｰﾙ");
    EXPECT_EQ(w.frm.tabStrip()->count(), 3);
    EXPECT_EQ(w.frm.tabStrip()->tabText(0), "WAVE変換");
    EXPECT_EQ(w.frm.tabStrip()->tabText(1), "無音WAVE");
    EXPECT_EQ(w.frm.tabStrip()->tabText(2), "取り込み");
    EXPECT_EQ(w.frm.tabStrip()->currentIndex(), 0);
    EXPECT_TRUE(w.frm.cmdExec()->isVisible());
    EXPECT_FALSE(w.frm.cmdSirentExec()->isVisible());
    EXPECT_TRUE(w.frm.optConvMode(0)->isChecked());
    EXPECT_EQ(w.frm.optConvMode(0)->text(), "ファイル単位で変換する");
    EXPECT_EQ(w.frm.optConvMode(1)->text(), "フォルダ単位で変換する");
    EXPECT_EQ(w.frm.labelConv(0)->text(), "変換するファイル");
    EXPECT_EQ(w.frm.labelConv(1)->text(), "出力ファイル名");
    EXPECT_EQ(w.frm.cmdExit()->text(), "閉じる(&C)");
    EXPECT_EQ(w.frm.txtMM()->text(), "00");
    EXPECT_EQ(w.frm.txtSS()->text(), "00");
    EXPECT_EQ(w.frm.cmbSample()->currentText(), "22.05KHz");
    EXPECT_EQ(w.frm.cmbSample()->count(), 2);
    EXPECT_EQ(w.frm.cmbBit()->currentText(), "16Bit");
    EXPECT_EQ(w.frm.cmbBit()->itemText(0), "8Bit");
    EXPECT_EQ(w.frm.prgBar()->maximum(), 100);
    EXPECT_EQ(w.frm.prgBar2()->maximum(), 100);
    w.expectRunning(false);

    // The other mode relabels the boxes and empties them.
    w.frm.txtConv(0)->setText("/tmp/a.wav");
    w.frm.txtConv(1)->setText("/tmp/b.wav");
    w.frm.optConvMode(1)->click();
    EXPECT_EQ(w.frm.labelConv(0)->text(), "変換対象フォルダ");
    EXPECT_EQ(w.frm.labelConv(1)->text(), "出力フォルダ");
    EXPECT_TRUE(w.frm.txtConv(0)->text().isEmpty());
    EXPECT_TRUE(w.frm.txtConv(1)->text().isEmpty());

    w.frm.tabStrip()->setCurrentIndex(1);
    EXPECT_TRUE(w.frm.cmdSirentExec()->isVisible());
    EXPECT_FALSE(w.frm.cmdExec()->isVisible());
}

TEST(FrmTools, TimeBoxesTakeDigitsAndSelectAllOnlyClampWhenLeftAndSpin) {
    Window w;
    w.frm.tabStrip()->setCurrentIndex(1);
    w.frm.txtMM()->clear();
    w.frm.txtMM()->setFocus();
    QTest::keyClicks(w.frm.txtMM(), "9a 9");
    EXPECT_EQ(w.frm.txtMM()->text(), "99");
    QTest::keyClick(w.frm.txtMM(), Qt::Key_A, Qt::ControlModifier);  // selects all, types nothing
    EXPECT_EQ(w.frm.txtMM()->text(), "99");
    EXPECT_EQ(w.frm.txtMM()->selectedText(), "99");
    QTest::keyClick(w.frm.txtMM(), Qt::Key_B, Qt::ControlModifier);  // other Ctrl keys are dropped
    EXPECT_EQ(w.frm.txtMM()->text(), "99");
    w.frm.txtSS()->setFocus();  // leaving the minutes
    EXPECT_EQ(w.frm.txtMM()->text(), "60");

    w.frm.txtSS()->clear();
    QTest::keyClicks(w.frm.txtSS(), "1");
    QTest::keyClick(w.frm.txtSS(), Qt::Key_Backspace);
    QTest::keyClicks(w.frm.txtSS(), "75");
    w.frm.txtSirent()->setFocus();
    EXPECT_EQ(w.frm.txtSS()->text(), "59");

    QTest::mouseClick(w.frm.upDown1()->upButton(), Qt::LeftButton);
    EXPECT_EQ(w.frm.txtSS()->text(), "59");
    w.frm.txtSS()->clear();
    QTest::mouseClick(w.frm.upDownMM()->downButton(), Qt::LeftButton);
    EXPECT_EQ(w.frm.txtMM()->text(), "59");
    EXPECT_EQ(w.frm.txtSS()->text(), "00");  // the empty seconds filled
    w.frm.txtMM()->setText("00");
    QTest::mouseClick(w.frm.upDownMM()->downButton(), Qt::LeftButton);
    EXPECT_EQ(w.frm.txtMM()->text(), "00");
}

TEST(FrmTools, ARefusalSelectsTheBoxItConcernsOnItsTab) {
    Window w;
    const std::string source = w.stereo("in.wav", 400);
    w.frm.txtConv(0)->setText(QString::fromStdString(source));
    w.frm.txtConv(1)->setText(QString::fromStdString(source));
    w.frm.cmdExec()->click();
    EXPECT_EQ(w.dialogs.texts(), std::vector<std::string>{"変換するファイルと出力ファイル名が同じです。\n"
                                                          "出力ファイル名は異なる場所または名前を指定してください。　　"});
    EXPECT_TRUE(w.frm.txtConv(1)->hasFocus());
    EXPECT_EQ(w.frm.txtConv(1)->selectedText().toStdString(), source);
    EXPECT_FALSE(w.frm.running());

    w.silenceTab("00", "00", (w.dir / "p.wav").string());
    w.frm.cmdSirentExec()->click();
    EXPECT_EQ(w.dialogs.texts().back(), "０秒以上の時間を指定してください。");
    EXPECT_TRUE(w.frm.txtMM()->hasFocus());
    EXPECT_EQ(w.frm.txtMM()->selectedText(), "00");
    EXPECT_FALSE(fs::exists(w.dir / "p.wav"));
}

TEST(FrmToolsJob, ConvertsAFileToCompletionWithTheControlsOffMeanwhile) {
    Window w;
    const std::string source = w.stereo("in.wav", 4 * 100000);
    const fs::path output = w.dir / "out.wav";
    w.frm.txtConv(0)->setText(QString::fromStdString(source));
    w.frm.txtConv(1)->setText(QString::fromStdString(output.string()));
    w.frm.setBeforeJob(w.gate.hold());
    const QPoint execAt = placeOf(w.frm.cmdExec());
    const QPoint exitAt = placeOf(w.frm.cmdExit());
    w.frm.cmdExec()->click();
    ASSERT_TRUE(w.frm.running());
    w.expectRunning(true);
    EXPECT_EQ(w.frm.prgBar()->value(), 0);

    w.gate.open();
    w.waitForTheEnd();
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(w.frm.conversionFrame()->title(), "Conversion was completed.");
    // The caption line had its room from the start: the buttons stayed put.
    EXPECT_EQ(placeOf(w.frm.cmdExec()), execAt);
    EXPECT_EQ(placeOf(w.frm.cmdExit()), exitAt);
    EXPECT_EQ(w.frm.prgBar()->value(), 100);
    w.expectRunning(false);
    EXPECT_EQ(fs::file_size(output), 44u + 200000);
    EXPECT_EQ(test::readBytes(output).substr(22, 2), std::string("\x01\x00", 2));  // one channel
}

TEST(FrmToolsJob, SilenceJobStoppedThroughTheQuestionSaysSoAndKeepsTheFullLength) {
    Window w;
    const fs::path file = w.dir / "pause.wav";
    w.silenceTab("01", "00", file.string());
    w.frm.cmbSample()->setCurrentIndex(1);  // 44.1KHz
    w.frm.setBeforeJob(w.gate.hold());
    w.frm.cmdSirentExec()->click();
    ASSERT_TRUE(w.frm.running());

    w.dialogs.answers = {MessageAnswer::No};
    w.frm.cmdSirentExec()->click();  // "停止", answered No: the job goes on
    EXPECT_TRUE(w.frm.running());
    w.dialogs.answers = {MessageAnswer::Yes};
    w.frm.cmdSirentExec()->click();
    w.gate.open();
    w.waitForTheEnd();

    EXPECT_EQ(w.dialogs.texts(), (std::vector<std::string>{kStopQuestion, kStopQuestion, kStopped}));
    EXPECT_EQ(w.dialogs.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(w.dialogs.shown[2].icon, MessageIcon::Warning);
    EXPECT_EQ(w.frm.silenceFrame()->title(), "Makeing was stopped.");
    EXPECT_EQ(w.frm.prgBar2()->value(), 100);
    w.expectRunning(false);
    EXPECT_EQ(fs::file_size(file), 44u + 60 * 2 * 44100);
    EXPECT_TRUE(w.frm.isVisible());
}

// Yes to the stop question of a job that ended while the question was open:
// the stop came too late, and the window says that the job had completed
// instead of showing the completed caption as if nothing had been asked.
TEST(FrmToolsJob, AStopAnsweredAfterTheJobEndedSaysTheJobHadCompleted) {
    Window w;
    const fs::path file = w.dir / "pause.wav";
    w.silenceTab("00", "02", file.string());
    const QPoint execAt = placeOf(w.frm.cmdSirentExec());
    const QPoint exitAt = placeOf(w.frm.cmdExit());
    w.frm.setBeforeJob(w.gate.hold());
    w.frm.cmdSirentExec()->click();
    ASSERT_TRUE(w.frm.running());

    w.dialogs.whileNextIsOpen = [&w] {
        w.gate.open();
        EXPECT_TRUE(QTest::qWaitFor([&w] { return w.frm.jobEndAwaitsAnswer(); }, 20000));
    };
    w.dialogs.answers = {MessageAnswer::Yes};
    w.frm.cmdSirentExec()->click();

    EXPECT_FALSE(w.frm.running());
    EXPECT_EQ(w.dialogs.texts(), (std::vector<std::string>{kStopQuestion, kJobAlreadyCompleted}));
    EXPECT_EQ(w.dialogs.shown[1].icon, MessageIcon::Information);
    EXPECT_EQ(w.frm.silenceFrame()->title(), "Makeing was completed.");
    EXPECT_EQ(fs::file_size(file), 44u + 2 * 2 * 22050);
    w.expectRunning(false);
    EXPECT_EQ(placeOf(w.frm.cmdSirentExec()), execAt);
    EXPECT_EQ(placeOf(w.frm.cmdExit()), exitAt);

    // The same Yes given while closing: told too, then the window closes.
    w.frm.setBeforeJob(w.gate2.hold());
    w.dialogs.answers = {MessageAnswer::Yes};  // overwrite the file
    w.frm.cmdSirentExec()->click();
    ASSERT_TRUE(w.frm.running());
    w.dialogs.whileNextIsOpen = [&w] {
        w.gate2.open();
        EXPECT_TRUE(QTest::qWaitFor([&w] { return w.frm.jobEndAwaitsAnswer(); }, 20000));
    };
    w.dialogs.shown.clear();
    w.dialogs.answers = {MessageAnswer::Yes};
    w.frm.close();
    EXPECT_FALSE(w.frm.isVisible());
    EXPECT_EQ(w.dialogs.texts(), (std::vector<std::string>{kStopQuestion, kJobAlreadyCompleted}));
}

TEST(FrmToolsJob, CloseDuringAJobClosesOnlyOnceTheJobHasEnded) {
    Window w;
    const fs::path file = w.dir / "pause.wav";
    w.silenceTab("02", "00", file.string());
    w.frm.setBeforeJob(w.gate.hold());
    w.frm.cmdSirentExec()->click();
    ASSERT_TRUE(w.frm.running());
    bool runningWhenClosed = true;
    std::uintmax_t sizeWhenClosed = 0;
    QObject::connect(&w.frm, &QDialog::finished, [&] {
        runningWhenClosed = w.frm.running();
        std::error_code ec;
        sizeWhenClosed = fs::file_size(file, ec);
    });

    w.dialogs.answers = {MessageAnswer::No};
    w.frm.close();
    EXPECT_TRUE(w.frm.isVisible());
    w.dialogs.answers = {MessageAnswer::Yes};
    w.frm.close();
    EXPECT_TRUE(w.frm.isVisible());  // the job is still held: the window waits for it
    EXPECT_TRUE(w.frm.running());
    w.frm.close();                   // asked again while waiting: nothing more
    EXPECT_EQ(w.dialogs.texts(), (std::vector<std::string>{kStopQuestion, kStopQuestion}));

    w.gate.open();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.frm.isVisible(); }, 20000));
    EXPECT_FALSE(runningWhenClosed);
    EXPECT_EQ(sizeWhenClosed, 44u + 120 * 2 * 22050);  // the file was written before the window went
    EXPECT_EQ(w.frm.result(), QDialog::Rejected);
    EXPECT_EQ(w.dialogs.texts().size(), 2u);  // who closed it is not told of the stop again
    EXPECT_EQ(w.frm.silenceFrame()->title(), "Makeing was stopped.");
}

}  // namespace
}  // namespace vexa::gui
