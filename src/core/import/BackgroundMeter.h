#pragma once
// A loudness meter fed on a thread of its own: measuring the true peak costs
// about as much as decoding and resampling together, so the first pass hands
// each block over and goes on. At most a few blocks wait at a time; add()
// waits when they are all taken.
#include "core/import/AudioBackend.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace vexa {

class BackgroundMeter {
public:
    BackgroundMeter(std::unique_ptr<LoudnessMeter> meter, int channels);
    ~BackgroundMeter();  // finish()
    BackgroundMeter(const BackgroundMeter&) = delete;
    BackgroundMeter& operator=(const BackgroundMeter&) = delete;

    void add(const float* frames, std::size_t count);
    // Waits until every block added has been measured; the meter may then be read.
    const LoudnessMeter& finish();

private:
    void work();

    std::unique_ptr<LoudnessMeter> meter_;
    std::size_t width_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::vector<float>> waiting_;
    std::vector<std::vector<float>> spare_;  // buffers measured, for reuse
    bool ending_ = false;
    std::thread thread_;
};

}  // namespace vexa
