#pragma once
// What the sound output really plays, for the recorded tests under the
// private sound server (scripts/with-sound-server): the null sink's monitor
// recorded with parec, 16-bit mono at 44100 Hz, and tones to play there.
#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace vexa::test {

inline constexpr std::uint32_t kRecordingRate = 44100;

// Why nothing can be recorded here (no sound server, no parec), or "".
std::string RecordingUnavailable();

// A 16-bit mono WAVE file at kRecordingRate: a sine tone of `toneSeconds`,
// then `silenceSeconds` of silence.
std::string ToneWave(double hertz, double toneSeconds, double silenceSeconds = 0);

// Records the monitor of the default sink from construction until stop().
class SinkRecording {
public:
    explicit SinkRecording(const std::filesystem::path& file);
    ~SinkRecording();
    SinkRecording(const SinkRecording&) = delete;
    SinkRecording& operator=(const SinkRecording&) = delete;

    // Ends the recording (parec, by its PID) and gives its samples.
    std::vector<std::int16_t> stop();

private:
    std::filesystem::path file_;
    pid_t recorder_ = -1;
};

// Starts `argv` with stdout into `out` (stderr dropped); returns its PID.
pid_t Spawn(std::vector<std::string> argv, const std::filesystem::path& out);
// Waits for a child; its exit code, -1 when a signal ended it.
int WaitFor(pid_t pid);

}  // namespace vexa::test
