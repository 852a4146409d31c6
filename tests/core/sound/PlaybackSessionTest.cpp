// The playback window's states with a scripted sound output: one sound, all
// sounds, stop, a sound that cannot be played, and the label texts.
#include "core/sound/PlaybackSession.h"

#include "ScriptedAudioOutput.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

SoundEntry row(const std::string& name, const std::string& size = "44144") {
    return {name, "22.05KHz", "16bit", "Mono", "1.000", size, "/s/" + name, ""};
}

const std::vector<SoundEntry> kThree = {row("A.WAV"), row("B.WAV"), row("C.WAV")};

void tickUntilFinished(PlaybackSession& session, int maxTicks = 50) {
    for (int i = 0; i < maxTicks && !session.finished(); ++i)
        session.tick();
}

TEST(PlaybackSession, OneSoundClosesAtItsEnd) {
    test::ScriptedAudioOutput output;
    output.pollsToPlay["B.WAV"] = 3;
    PlaybackSession session(kThree, {PlayMode::One, 2}, output);
    session.start();
    EXPECT_TRUE(session.timerOn());
    EXPECT_EQ(session.info(), (PlayInfo{"B.WAV", "1.000 秒", "43.0KB ", "PCM 22.05KHz, 16bit, Mono"}));
    session.tick();
    session.tick();
    EXPECT_FALSE(session.finished());
    session.tick();
    EXPECT_TRUE(session.finished());
    EXPECT_FALSE(session.timerOn());
    EXPECT_EQ(output.calls, (std::vector<std::string>{"open B.WAV", "play", "stopped?", "stopped?", "stopped?", "close"}));
    session.close();
    EXPECT_EQ(session.playRow(), 0);
}

TEST(PlaybackSession, AllSoundsPlayRowsOneTwoThreeThenClose) {
    test::ScriptedAudioOutput output;
    PlaybackSession session(kThree, {PlayMode::All, 1}, output);
    session.start();
    std::vector<std::string> shown = {session.info().name};
    for (int i = 0; i < 20 && !session.finished(); ++i) {
        session.tick();
        if (shown.back() != session.info().name)
            shown.push_back(session.info().name);
    }
    EXPECT_TRUE(session.finished());
    EXPECT_EQ(output.played(), (std::vector<std::string>{"A.WAV", "B.WAV", "C.WAV"}));
    EXPECT_EQ(shown, (std::vector<std::string>{"A.WAV", "B.WAV", "C.WAV"}));
    EXPECT_FALSE(output.isOpen());
    EXPECT_EQ(session.playRow(), 4);  // the row without a path ended it
}

TEST(PlaybackSession, StopClosesTheSoundAtOnce) {
    test::ScriptedAudioOutput output;
    output.pollsToPlay["A.WAV"] = 100;
    PlaybackSession session(kThree, {PlayMode::All, 1}, output);
    session.start();
    session.tick();
    session.close();
    EXPECT_FALSE(output.isOpen());
    EXPECT_EQ(output.calls.back(), "close");
    EXPECT_FALSE(session.timerOn());
    EXPECT_EQ(session.playRow(), 0);
    EXPECT_EQ(output.played(), std::vector<std::string>{"A.WAV"});
}

TEST(PlaybackSession, ASoundThatCannotBePlayedSaysWhyAndWaits) {
    struct Case {
        const char* what;
        bool failOnOpen;
        AudioResult result;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"file gone", true, {AudioFault::FileMissing, "B.WAV"}, "ファイルが見つかりません。（B.WAV）"},
        {"no sound server", false, {AudioFault::NoOutputDevice, ""},
         AudioFaultText({AudioFault::NoOutputDevice, ""})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ScriptedAudioOutput output;
        (c.failOnOpen ? output.openResults : output.playResults)["B.WAV"] = c.result;
        PlaybackSession session(kThree, {PlayMode::All, 2}, output);
        session.start();
        EXPECT_EQ(session.fault(), c.text);
        EXPECT_EQ(session.info().name, "B.WAV");  // the details stay shown
        EXPECT_FALSE(session.timerOn());
        tickUntilFinished(session);
        EXPECT_FALSE(session.finished());  // the window waits for the user
        EXPECT_TRUE(output.played().empty());
    }
    EXPECT_NE(AudioFaultText({AudioFault::NoOutputDevice, ""}).find("サウンドサーバー"), std::string::npos);
}

TEST(PlayInfo, SizeTextsInKilobytesAndMegabytes) {
    EXPECT_EQ(PlaySizeText(2097152), "2.0MB ");
    EXPECT_EQ(PlaySizeText(1048575), "1024.0KB ");
    EXPECT_EQ(PlaySizeText(1048576), "1.0MB ");
    EXPECT_EQ(PlaySizeText(3980), "4.0KB ");
    EXPECT_EQ(PlaySizeText(1536), "2.0KB ");  // 1.5 to even
    EXPECT_EQ(PlaySizeText(2560), "2.0KB ");  // 2.5 to even
    EXPECT_EQ(PlaySizeText(0), "0.0KB ");
}

}  // namespace
}  // namespace vexa
