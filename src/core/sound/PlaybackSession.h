#pragma once
// The playback window without its widgets: which row plays, what the labels
// show, when the 200 ms timer runs, and when the window is to close. Sounds
// play through an AudioOutput. A sound that cannot be played leaves the
// session idle with the reason to show, until the user closes the window.
#include "core/model/SoundEntry.h"
#include "core/sound/AudioOutput.h"
#include "core/sound/PlayInfo.h"
#include "core/sound/PlayRequest.h"

#include <string>
#include <vector>

namespace vexa {

inline constexpr int kPlayPollMilliseconds = 200;

class PlaybackSession {
public:
    // `rows`: the sound list's entries, row r being rows[r - 1].
    PlaybackSession(std::vector<SoundEntry> rows, PlayRequest request, AudioOutput& output);

    // Opening the window: plays the requested row.
    void start();
    // One timer tick: when the sound has stopped, closes it and plays the
    // next row (all sounds) or finishes.
    void tick();
    // Closing the window (also "停止"): the sound stops at once, the timer
    // goes off, Play Row becomes 0.
    void close();

    bool timerOn() const { return timerOn_; }
    // True when the window is to close by itself.
    bool finished() const { return finished_; }
    int playRow() const { return row_; }
    const PlayInfo& info() const { return info_; }
    // Why the shown sound cannot be played; "" while all is well.
    const std::string& fault() const { return fault_; }

private:
    void playFile(int row);
    const SoundEntry* rowEntry(int row) const;

    std::vector<SoundEntry> rows_;
    PlayMode mode_;
    int row_;
    AudioOutput& output_;
    bool timerOn_ = false;
    bool finished_ = false;
    PlayInfo info_;
    std::string fault_;
};

}  // namespace vexa
