// The real playback window, offscreen, with a scripted sound output.
#include "gui/sound/FrmPlay.h"

#include "ScriptedAudioOutput.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vexa::gui {
namespace {

const std::vector<SoundEntry> kRows = {
    {"A.WAV", "22.05KHz", "16bit", "Mono", "1.000", "2097152", "/s/A.WAV", ""},
    {"B.WAV", "44.1KHz", "8bit", "Stereo", "0.500", "1048575", "/s/B.WAV", ""},
};

TEST(FrmPlay, ShowsTheSoundAndClosesByItselfAtItsEnd) {
    test::ScriptedAudioOutput output;
    FrmPlay frm(kRows, {PlayMode::One, 2}, output);
    frm.show();
    EXPECT_EQ(frm.windowTitle(), "試聴");
    EXPECT_TRUE(frm.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(frm.lblName()->text(), "B.WAV");
    EXPECT_EQ(frm.lblTime()->text(), "0.500 秒");
    EXPECT_EQ(frm.lblByte()->text(), "1024.0KB ");
    EXPECT_EQ(frm.lblAudio()->text(), "PCM 44.1KHz, 8bit, Stereo");
    EXPECT_EQ(frm.tmrPlay()->interval(), 200);
    EXPECT_TRUE(frm.tmrPlay()->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!frm.isVisible(), 3000);
    EXPECT_EQ(output.played(), std::vector<std::string>{"B.WAV"});
    EXPECT_EQ(frm.session().playRow(), 0);
}

TEST(FrmPlay, StopEndsTheSoundAtOnce) {
    test::ScriptedAudioOutput output;
    output.pollsToPlay["A.WAV"] = 1000;
    FrmPlay frm(kRows, {PlayMode::All, 1}, output);
    frm.show();
    EXPECT_EQ(frm.lblByte()->text(), "2.0MB ");
    QTest::mouseClick(frm.cmdStop(), Qt::LeftButton);
    EXPECT_FALSE(frm.isVisible());
    EXPECT_FALSE(output.isOpen());
    EXPECT_FALSE(frm.tmrPlay()->isActive());
    EXPECT_EQ(frm.session().playRow(), 0);
}

TEST(FrmPlay, ASoundThatCannotBePlayedIsSaidSoAndTheWindowStays) {
    test::ScriptedAudioOutput output;
    output.playResults["A.WAV"] = {AudioFault::NoOutputDevice, ""};
    FrmPlay frm(kRows, {PlayMode::All, 1}, output);
    frm.show();
    EXPECT_TRUE(frm.lblFault()->isVisible());
    EXPECT_TRUE(frm.lblFault()->text().startsWith("この音声は再生できません。"));
    EXPECT_TRUE(frm.lblFault()->text().contains("サウンドサーバー"));
    EXPECT_EQ(frm.lblName()->text(), "A.WAV");
    QTest::qWait(500);
    EXPECT_TRUE(frm.isVisible());
    EXPECT_FALSE(frm.tmrPlay()->isActive());
    frm.close();
    EXPECT_EQ(frm.session().playRow(), 0);
}

}  // namespace
}  // namespace vexa::gui
