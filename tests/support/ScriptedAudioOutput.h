#pragma once
// AudioOutput for tests: records every call and plays each file for a
// scripted number of polls ("status … mode" answers "stopped" after that
// many). Files can be scripted to fail on open or on play.
#include "core/sound/AudioOutput.h"

#include <map>
#include <string>
#include <vector>

namespace vexa::test {

class ScriptedAudioOutput : public AudioOutput {
public:
    // Every call as text: "open NAME", "play", "stopped?", "close".
    std::vector<std::string> calls;
    // Polls a file plays for before it has stopped (by file name; default 2).
    std::map<std::string, int> pollsToPlay;
    // Results of open and play (by file name; default ok).
    std::map<std::string, AudioResult> openResults;
    std::map<std::string, AudioResult> playResults;

    AudioResult open(const std::filesystem::path& file) override;
    AudioResult play() override;
    bool stopped() override;
    void close() override;

    // The files played, in order.
    std::vector<std::string> played() const;
    bool isOpen() const { return !current_.empty(); }

private:
    std::string current_;
    int pollsLeft_ = 0;
    bool playing_ = false;
    std::vector<std::string> played_;
};

}  // namespace vexa::test
