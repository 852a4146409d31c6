#pragma once
// The sound output the playback window and the test run play through: open a
// WAVE file, play it from the start, ask whether it has stopped, close it.
// The editor and `vexa play` use the Qt Multimedia one (src/audio); tests
// script one.
#include <filesystem>
#include <string>

namespace vexa {

enum class AudioFault {
    None,
    FileMissing,     // the file is not there (any more)
    Unplayable,      // not a WAVE file this output can play
    NoOutputDevice,  // no sound server or no output device on this computer
    OutputFailed,    // the output refused to start
};

struct AudioResult {
    AudioFault fault = AudioFault::None;
    std::string detail;  // what went wrong, in a few words ("" when nothing did)

    bool ok() const { return fault == AudioFault::None; }
    bool operator==(const AudioResult&) const = default;
};

class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Opens one file, closing any other first.
    virtual AudioResult open(const std::filesystem::path& file) = 0;
    // Plays the open file from its start.
    virtual AudioResult play() = 0;
    // True once the sound has been heard to its end (or nothing plays).
    virtual bool stopped() = 0;
    // Stops at once and forgets the file; harmless when nothing is open.
    virtual void close() = 0;
};

// Why a sound cannot be played, as the playback window and `vexa play` say it.
std::string AudioFaultText(const AudioResult& result);

}  // namespace vexa
