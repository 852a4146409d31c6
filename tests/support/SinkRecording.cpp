#include "SinkRecording.h"

#include "TestPaths.h"
#include "WaveFileBytes.h"

#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <sys/wait.h>
#include <unistd.h>

namespace vexa::test {

std::string RecordingUnavailable() {
    if (std::system("pactl info >/dev/null 2>&1") != 0)
        return "no sound server: start the tests through scripts/with-sound-server (scripts/test does)";
    if (std::system("command -v parec >/dev/null 2>&1") != 0)
        return "parec (pulseaudio-utils) is not installed";
    return {};
}

std::string ToneWave(double hertz, double toneSeconds, double silenceSeconds) {
    std::string data;
    const auto samples = static_cast<std::size_t>(std::lround(toneSeconds * kRecordingRate));
    for (std::size_t i = 0; i < samples; ++i) {
        const double v =
            12000.0 * std::sin(2.0 * std::numbers::pi * hertz * static_cast<double>(i) / kRecordingRate);
        data += le16(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v))));
    }
    data.append(2 * static_cast<std::size_t>(std::lround(silenceSeconds * kRecordingRate)), '\0');
    return riff(chunk("fmt ", pcmFormat(1, kRecordingRate, 16)) + chunk("data", data));
}

pid_t Spawn(std::vector<std::string> argv, const std::filesystem::path& out) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<char*> args;
        for (auto& a : argv)
            args.push_back(a.data());
        args.push_back(nullptr);
        if (!std::freopen(out.c_str(), "wb", stdout) || !std::freopen("/dev/null", "wb", stderr))
            ::_exit(127);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    return pid;
}

int WaitFor(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

SinkRecording::SinkRecording(const std::filesystem::path& file) : file_(file) {
    recorder_ = Spawn({"parec", "--device=@DEFAULT_MONITOR@", "--raw", "--format=s16le",
                       "--rate=" + std::to_string(kRecordingRate), "--channels=1", "--latency-msec=20"},
                      file_);
}

SinkRecording::~SinkRecording() { stop(); }

std::vector<std::int16_t> SinkRecording::stop() {
    if (recorder_ > 0) {
        ::kill(recorder_, SIGTERM);
        WaitFor(recorder_);
        recorder_ = -1;
    }
    std::error_code ec;
    if (!std::filesystem::exists(file_, ec))
        return {};
    const std::string raw = readBytes(file_);
    std::vector<std::int16_t> samples(raw.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(static_cast<unsigned char>(raw[2 * i]) |
                                               (static_cast<unsigned char>(raw[2 * i + 1]) << 8));
    return samples;
}

}  // namespace vexa::test
