#pragma once
// A Progress that records what the job showed and asks it to stop once a
// condition on what was shown so far holds.
#include "core/ui/Progress.h"

#include <functional>
#include <string>
#include <vector>

namespace vexa::test {

class RecordingProgress : public Progress {
public:
    std::vector<int> values;
    std::vector<std::string> captions;
    std::function<bool(const RecordingProgress&)> stopWhen;

    void setValue(int percent) override { values.push_back(percent); }
    void setCaption(const std::string& text) override { captions.push_back(text); }
    bool stopRequested() override { return stopWhen && stopWhen(*this); }

    int lastValue() const { return values.empty() ? -1 : values.back(); }
};

// The captions a job shows when the bar moves one unit each time the counted
// work passes total / 100 bytes, worked out item by item: `headerBytes`
// counted first, then `items` items of `itemBytes` each.
inline std::vector<std::string> stepCaptions(const std::string& prefix, std::uint64_t total,
                                             std::uint64_t headerBytes, std::uint64_t items,
                                             std::uint64_t itemBytes) {
    const std::uint64_t step = total / 100;
    std::uint64_t counter = headerBytes;
    int value = 0;
    std::vector<std::string> captions{prefix + "0%"};
    for (std::uint64_t i = 0; i < items; ++i) {
        counter += itemBytes;
        if (counter > step) {
            ++value;
            counter = 0;
            captions.push_back(prefix + std::to_string(value + 1) + "%");
        }
    }
    return captions;
}

}  // namespace vexa::test
