// The sound registration window with import, offscreen, with the real audio
// libraries: a chosen file refused for a reason import can fix gets its
// question; converted files are written to the import folder and registered
// in the chosen order; すべて変換 asks no more; the stop button ends the
// conversions with what was done registered.
#include "gui/sound/FrmSound.h"

#include "ScriptedAudioOutput.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "WaveFileBytes.h"
#include "core/config/Messages.h"
#include "gui/sound/RegistrationImport.h"

#include <QProgressBar>
#include <QPushButton>
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
        const auto v = static_cast<std::int16_t>(std::lround(8192 * std::sin(2 * M_PI * 440 * i / rate)));
        for (int c = 0; c < channels; ++c)
            data += test::le16(static_cast<std::uint16_t>(v));
    }
    return test::riff(test::chunk("fmt ", test::pcmFormat(channels, rate, 16)) + test::chunk("data", data));
}

Configuration configuration() {
    Configuration c;
    c.settings.maxLine = 10;
    c.settings.waveRef = "/tmp";
    return c;
}

Project emptyProject() {
    Project p;
    p.clearSheets(10);
    return p;
}

struct Window {
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    test::ScriptedAudioOutput output;
    Document document{configuration(), emptyProject()};
    FrmSound frm{document, dialogs, nullptr, &output, [](const fs::path&) { return 1000LL; }};

    Window() {
        frm.setImportSettingsFile(dir / "vexacontrol.ini");
        frm.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frm));
    }
    std::string file(const std::string& name, const std::string& bytes) {
        test::writeBytes(dir / name, bytes);
        return (dir / name).string();
    }
    void waitForRegistration() { EXPECT_TRUE(QTest::qWaitFor([&] { return !frm.registering(); }, 20000)); }
    std::vector<std::string> names() const {
        std::vector<std::string> list;
        for (int row = 1; row <= frm.list().count(); ++row)
            list.push_back(frm.list().entry(row).fileName);
        return list;
    }
};

TEST(RegistrationImport, ARefusedFileIsConvertedIntoTheImportFolderAndRegisteredInItsPlace) {
    Window w;
    const std::string first = w.file("FIRST.WAV", toneWave(1, 22050, 0.5));
    const std::string rate = w.file("Rate 48k.wav", toneWave(2, 48000, 0.5));
    const std::string text = w.file("TEXT.WAV", "not a sound");
    const std::string last = w.file("LAST.WAV", toneWave(1, 22050, 0.5));
    w.dialogs.choiceAnswers = {{0, "hall"}};
    w.frm.registerChosen({first, rate, text, last});
    w.waitForRegistration();

    ASSERT_EQ(w.dialogs.choices.size(), 1u);
    const ChoiceRequest& question = w.dialogs.choices[0];
    EXPECT_THAT(question.text, HasSubstr("「Rate 48k.wav」はこのままでは登録できません。\n使えない形式です（ステレオ・48KHz）。"));
    EXPECT_THAT(question.text, HasSubstr("変換後：22.05KHz・16bit・Mono、音量 −18.0 LUFS（ピーク −1.0 dBTP まで）"));
    EXPECT_THAT(question.text, HasSubstr("保存先：" + (w.dir / "取り込み").string()));
    EXPECT_EQ(question.editText, "RATE48K.WAV");
    EXPECT_EQ(question.buttons, (std::vector<std::string>{"変換して登録", "スキップ", "すべて変換"}));

    // TEXT.WAV cannot be fixed: its refusal ends the batch as before.
    EXPECT_EQ(w.names(), (std::vector<std::string>{"FIRST.WAV", "HALL.WAV"}));
    EXPECT_EQ(w.dialogs.shown.back().text, "「TEXT.WAV」\n" + GetMsg(msg::kWaveNotRiff));
    const SoundEntry& hall = w.frm.list().entry(2);
    EXPECT_EQ(hall.sourcePath, (w.dir / "取り込み" / "HALL.WAV").string());
    EXPECT_EQ(hall.rate, "22.05KHz");
    EXPECT_EQ(hall.channels, "Mono");
    EXPECT_TRUE(w.frm.cmdOk()->isEnabled());
}

TEST(RegistrationImport, SkipLeavesTheFileOutAndConvertAllAsksNoMore) {
    Window w;
    test::writeBytes(w.dir / "vexacontrol.ini", "[Import]\r\nRate=16000\r\nFolder=" + (w.dir / "conv").string() + "\r\n");
    const std::vector<std::string> chosen = {w.file("a.wav", toneWave(1, 48000, 0.3)),
                                             w.file("b.wav", toneWave(1, 12000, 0.3)),
                                             w.file("c.wav", toneWave(2, 22050, 0.3)),
                                             w.file("d.wav", toneWave(1, 32000, 0.3))};
    w.dialogs.choiceAnswers = {{1, "A.WAV"}, {2, "B.WAV"}};
    w.frm.registerChosen(chosen);
    w.waitForRegistration();
    EXPECT_EQ(w.dialogs.choices.size(), 2u);  // c.wav is converted without a question; d.wav is fine as it is
    EXPECT_EQ(w.names(), (std::vector<std::string>{"B.WAV", "C.WAV", "d.wav"}));
    EXPECT_EQ(w.frm.list().entry(1).rate, "16.KHz");  // the kept settings' rate, asked for
    EXPECT_EQ(w.frm.list().entry(2).channels, "Mono");
    EXPECT_TRUE(fs::exists(w.dir / "conv" / "C.WAV"));
    EXPECT_FALSE(fs::exists(w.dir / "conv" / "A.WAV"));
}

TEST(RegistrationImport, TheStopButtonEndsTheConversionsAndRegistersWhatWasDone) {
    Window w;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    w.frm.registrationImport()->setBeforeJob([released] { released.wait(); });
    const std::vector<std::string> chosen = {w.file("OK.WAV", toneWave(1, 22050, 0.3)),
                                             w.file("x.wav", toneWave(1, 48000, 3.0))};
    w.frm.registerChosen(chosen);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.frm.registrationImport()->running(); }, 10000));
    EXPECT_TRUE(w.frm.registering());
    EXPECT_FALSE(w.frm.cmdOk()->isEnabled());
    w.frm.findChild<QPushButton*>("CmdStopRegister")->click();
    release.set_value();
    w.waitForRegistration();
    EXPECT_EQ(w.names(), std::vector<std::string>{"OK.WAV"});
    EXPECT_FALSE(fs::exists(w.dir / "取り込み" / "X.WAV"));
}

}  // namespace
}  // namespace vexa::gui
