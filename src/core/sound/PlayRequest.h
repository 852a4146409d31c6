#pragma once
// What the sound registration window asks the playback window to play: one
// row of its list, or every row from the first.
namespace vexa {

enum class PlayMode { One, All };

struct PlayRequest {
    PlayMode mode = PlayMode::One;
    int row = 0;  // the row of the sound list played first (1 … 255)

    bool operator==(const PlayRequest&) const = default;
};

}  // namespace vexa
