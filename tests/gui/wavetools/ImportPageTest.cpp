// The tools window's "取り込み" tab, offscreen, with the real audio
// libraries: the settings it opens with, a batch to its end with its result
// list, the stop button and closing the window during an import, which
// waits for the job. Jobs that must still be running when the test acts are
// held on the worker by a gate.
#include "gui/wavetools/FrmTools.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "WaveFileBytes.h"
#include "core/import/ImportSettings.h"
#include "core/sound/WaveRegistrationCheck.h"
#include "gui/wavetools/ImportPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <future>

namespace vexa::gui {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

std::string toneWave(std::uint16_t channels, std::uint32_t rate, double seconds) {
    std::string data;
    const auto frames = static_cast<std::size_t>(seconds * rate);
    for (std::size_t i = 0; i < frames; ++i) {
        const auto v = static_cast<std::int16_t>(std::lround(8192 * std::sin(2 * M_PI * 1000 * i / rate)));
        for (int c = 0; c < channels; ++c)
            data += test::le16(static_cast<std::uint16_t>(v));
    }
    return test::riff(test::chunk("fmt ", test::pcmFormat(channels, rate, 16)) + test::chunk("data", data));
}

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

struct Window {
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    FrmTools frm{dialogs};
    ImportPage& page = *frm.importPage();
    Gate gate;

    Window() {
        test::writeBytes(dir / "vexacontrol.ini", "[System]\r\nWaveRef=" + dir.path().string() + "\r\n");
        frm.setImportContext(dir / "vexacontrol.ini", dir.path().string(), false);
        frm.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frm));
        frm.tabStrip()->setCurrentIndex(2);
    }
    std::string source(const std::string& name, const std::string& bytes) {
        test::writeBytes(dir / name, bytes);
        return (dir / name).string();
    }
    void waitForTheEnd() { EXPECT_TRUE(QTest::qWaitFor([&] { return !page.running(); }, 20000)); }
    QString cell(int row, int col) { return page.resultList()->item(row, col)->text(); }
};

TEST(ImportTab, OpensWithTheKeptSettingsAndTheFolderBesideWaveRef) {
    Window w;
    EXPECT_EQ(w.page.folderBox()->text().toStdString(), (w.dir / "取り込み").string());
    EXPECT_EQ(w.page.rateBox()->currentText(), "自動（最高 22.05KHz）");
    EXPECT_EQ(w.page.bitsBox()->currentText(), "16Bit");
    EXPECT_TRUE(w.page.loudnessBox()->isChecked());
    EXPECT_EQ(w.page.targetBox()->value(), -18.0);
    EXPECT_EQ(w.page.peakBox()->value(), -1.0);
    EXPECT_FALSE(w.page.stereoBox()->isEnabled());  // the settings do not allow stereo
    EXPECT_EQ(w.page.execButton()->text(), "取り込み実行");

    ImportSettings kept;
    kept.folder = (w.dir / "elsewhere").string();
    kept.options.rate = 16000;
    kept.options.bits = 8;
    kept.options.loudnessTarget.reset();
    kept.options.trim = true;
    ASSERT_TRUE(WriteImportSettings(w.dir / "vexacontrol.ini", kept));
    w.frm.setImportContext(w.dir / "vexacontrol.ini", w.dir.path().string(), true);
    EXPECT_EQ(w.page.folderBox()->text().toStdString(), kept.folder);
    EXPECT_EQ(w.page.rateBox()->currentText(), "16KHz");
    EXPECT_EQ(w.page.bitsBox()->currentText(), "8Bit");
    EXPECT_FALSE(w.page.loudnessBox()->isChecked());
    EXPECT_FALSE(w.page.targetBox()->isEnabled());
    EXPECT_TRUE(w.page.trimBox()->isChecked());
    EXPECT_TRUE(w.page.stereoBox()->isEnabled());
}

TEST(ImportTab, ABatchFillsTheListAndKeepsItsSettings) {
    Window w;
    w.page.addSources({w.source("Morning Call.wav", toneWave(2, 48000, 1.0)), w.source("notes.mp3", "no sound"),
                       w.source("chime.wav", toneWave(1, 16000, 0.5))});
    w.page.trimBox()->setChecked(true);
    w.page.execButton()->click();  // the missing folder: Yes makes it
    EXPECT_TRUE(w.page.running());
    EXPECT_FALSE(w.frm.tabStrip()->isEnabled());
    EXPECT_FALSE(w.frm.cmdExit()->isEnabled());
    EXPECT_EQ(w.page.execButton()->text(), "取り込み停止");
    w.waitForTheEnd();

    ASSERT_EQ(w.page.resultList()->rowCount(), 3);
    EXPECT_EQ(w.cell(0, 0), "MORNINGC.WAV");
    EXPECT_EQ(w.cell(0, 1), "1.00");
    EXPECT_THAT(w.cell(0, 2).toStdString(), ::testing::MatchesRegex("−15\\.[01] → −1[78]\\.[09] LUFS"));
    EXPECT_EQ(w.cell(1, 0), "notes.mp3");
    EXPECT_THAT(w.cell(1, 4).toStdString(), HasSubstr("は取り込めません。"));
    EXPECT_EQ(w.cell(2, 0), "CHIME.WAV");
    EXPECT_THAT(w.cell(2, 4).toStdString(), HasSubstr("16KHz"));
    EXPECT_EQ(w.page.progressFrame()->title(), "取り込みが終わりました。");
    EXPECT_EQ(w.page.progressBar()->value(), 100);
    EXPECT_TRUE(CheckWaveForRegistration((w.dir / "取り込み" / "MORNINGC.WAV").string(), false).accepted());
    ASSERT_EQ(w.dialogs.shown.size(), 2u);  // the folder question, then the note about the list
    EXPECT_THAT(w.dialogs.shown[0].text, HasSubstr("フォルダを作成しますか？"));
    EXPECT_THAT(w.dialogs.shown[1].text, HasSubstr("取り込めなかったファイルがあります。"));
    EXPECT_TRUE(w.frm.tabStrip()->isEnabled());
    EXPECT_TRUE(w.frm.cmdExit()->isEnabled());

    const ImportSettings kept = ReadImportSettings(w.dir / "vexacontrol.ini");
    EXPECT_EQ(kept.folder, "");  // the default beside WaveRef follows WaveRef
    EXPECT_TRUE(kept.options.trim);
}

TEST(ImportTab, NothingToImportIsRefusedAtTheList) {
    Window w;
    w.page.execButton()->click();
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_EQ(w.dialogs.shown[0].text, "取り込むファイルが指定されていません。");
    EXPECT_FALSE(w.page.running());
    EXPECT_TRUE(w.page.sourceList()->hasFocus());
}

TEST(ImportTab, TheStopButtonAsksAndAStoppedImportWritesNothing) {
    Window w;
    fs::create_directory(w.dir / "取り込み");
    w.page.addSources({w.source("a.wav", toneWave(1, 44100, 2.0))});
    w.page.setBeforeJob(w.gate.hold());
    w.page.execButton()->click();
    ASSERT_TRUE(w.page.running());
    w.dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
    w.page.execButton()->click();  // No: it goes on
    EXPECT_TRUE(w.page.running());
    w.page.execButton()->click();  // Yes
    w.gate.open();
    w.waitForTheEnd();
    EXPECT_EQ(w.dialogs.texts(), (std::vector<std::string>{"処理を中止してよろしいですか？", "処理を中止してよろしいですか？",
                                                           "ユーザーにより処理を中断しました。"}));
    EXPECT_EQ(w.page.progressFrame()->title(), "取り込みを中止しました。");
    EXPECT_TRUE(fs::is_empty(w.dir / "取り込み"));
}

TEST(ImportTab, ClosingDuringAnImportWaitsForItsEnd) {
    Window w;
    fs::create_directory(w.dir / "取り込み");
    w.page.addSources({w.source("a.wav", toneWave(1, 44100, 2.0))});
    w.page.setBeforeJob(w.gate.hold());
    w.page.execButton()->click();
    ASSERT_TRUE(w.page.running());
    w.frm.reject();  // the stop question: Yes (the script's default)
    EXPECT_TRUE(w.frm.isVisible());
    w.gate.open();
    w.waitForTheEnd();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.frm.isVisible(); }, 5000));
    EXPECT_EQ(w.dialogs.texts(), std::vector<std::string>{"処理を中止してよろしいですか？"});
    EXPECT_TRUE(fs::is_empty(w.dir / "取り込み"));
}

}  // namespace
}  // namespace vexa::gui
