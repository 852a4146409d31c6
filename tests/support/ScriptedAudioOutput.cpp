#include "ScriptedAudioOutput.h"

namespace vexa::test {

AudioResult ScriptedAudioOutput::open(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    calls.push_back("open " + name);
    const auto result = openResults.find(name);
    if (result != openResults.end() && !result->second.ok())
        return result->second;
    current_ = name;
    playing_ = false;
    return {};
}

AudioResult ScriptedAudioOutput::play() {
    calls.push_back("play");
    const auto result = playResults.find(current_);
    if (result != playResults.end() && !result->second.ok())
        return result->second;
    const auto polls = pollsToPlay.find(current_);
    pollsLeft_ = polls == pollsToPlay.end() ? 2 : polls->second;
    playing_ = true;
    played_.push_back(current_);
    return {};
}

bool ScriptedAudioOutput::stopped() {
    calls.push_back("stopped?");
    if (!playing_)
        return true;
    if (pollsLeft_ > 0)
        --pollsLeft_;
    return pollsLeft_ == 0;
}

void ScriptedAudioOutput::close() {
    calls.push_back("close");
    current_.clear();
    playing_ = false;
}

std::vector<std::string> ScriptedAudioOutput::played() const { return played_; }

}  // namespace vexa::test
