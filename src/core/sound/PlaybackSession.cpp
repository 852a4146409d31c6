#include "core/sound/PlaybackSession.h"

#include "core/sound/SoundList.h"

#include <utility>

namespace vexa {

PlaybackSession::PlaybackSession(std::vector<SoundEntry> rows, PlayRequest request, AudioOutput& output)
    : rows_(std::move(rows)), mode_(request.mode), row_(request.row), output_(output) {}

const SoundEntry* PlaybackSession::rowEntry(int row) const {
    if (row < 1 || row > static_cast<int>(rows_.size()))
        return nullptr;
    return &rows_[static_cast<std::size_t>(row - 1)];
}

void PlaybackSession::start() {
    if (rowEntry(row_))
        playFile(row_);
    else
        finished_ = true;
}

void PlaybackSession::playFile(int row) {
    const SoundEntry& entry = *rowEntry(row);
    timerOn_ = true;
    info_ = PlayInfoFor(entry);
    fault_.clear();
    AudioResult result = output_.open(entry.sourcePath);
    if (result.ok())
        result = output_.play();
    if (!result.ok()) {
        timerOn_ = false;  // the details stay shown, with why there is no sound
        fault_ = AudioFaultText(result);
    }
}

void PlaybackSession::tick() {
    if (!timerOn_ || !output_.stopped())
        return;
    output_.close();
    timerOn_ = false;
    if (mode_ == PlayMode::One || row_ >= kSoundRows) {
        finished_ = true;
        return;
    }
    ++row_;
    const SoundEntry* next = rowEntry(row_);
    if (next && !next->sourcePath.empty())
        playFile(row_);
    else
        finished_ = true;
}

void PlaybackSession::close() {
    output_.close();
    timerOn_ = false;
    row_ = 0;
}

}  // namespace vexa
