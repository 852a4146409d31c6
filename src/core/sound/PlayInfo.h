#pragma once
// What the playback window shows of the sound it plays: the name, the play
// length, the size and the audio format, from the sound list's texts.
#include "core/model/SoundEntry.h"

#include <cstdint>
#include <string>

namespace vexa {

struct PlayInfo {
    std::string name;   // LblName
    std::string time;   // LblTime: "1.500 秒"
    std::string bytes;  // LblByte: "4.0KB ", "2.0MB "
    std::string audio;  // LblAudio: "PCM 22.05KHz, 16bit, Mono"

    bool operator==(const PlayInfo&) const = default;
};

// Bytes below 1 MiB in KB, else in MB, one decimal (halves to even), with a
// trailing blank: 3980 → "4.0KB ", 1048575 → "1024.0KB ", 2097152 → "2.0MB ".
std::string PlaySizeText(std::uint64_t bytes);

// The rate, bits and channels each shown once.
std::string PlayAudioText(const SoundEntry& entry);

PlayInfo PlayInfoFor(const SoundEntry& entry);

}  // namespace vexa
