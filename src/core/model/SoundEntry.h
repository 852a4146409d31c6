#pragma once
// One registered WAVE file of the Sound Table, its values as the sound list
// shows them.
#include <string>

namespace vexa {

struct SoundEntry {
    std::string fileName;    // name without folder, unique in the table
    std::string rate;        // "22.05KHz"
    std::string bits;        // "16bit"
    std::string channels;    // "Mono" or "Stereo"
    std::string length;      // seconds, "0.000"
    std::string size;        // bytes, decimal digits
    std::string sourcePath;  // full path of the file
    std::string comment;

    bool operator==(const SoundEntry&) const = default;
};

}  // namespace vexa
