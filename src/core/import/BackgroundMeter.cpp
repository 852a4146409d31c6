#include "core/import/BackgroundMeter.h"

namespace vexa {
namespace {
constexpr std::size_t kMaxWaiting = 8;
}

BackgroundMeter::BackgroundMeter(std::unique_ptr<LoudnessMeter> meter, int channels)
    : meter_(std::move(meter)), width_(static_cast<std::size_t>(channels)), thread_([this] { work(); }) {}

BackgroundMeter::~BackgroundMeter() { finish(); }

void BackgroundMeter::add(const float* frames, std::size_t count) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return waiting_.size() < kMaxWaiting; });
    std::vector<float> block;
    if (!spare_.empty()) {
        block = std::move(spare_.back());
        spare_.pop_back();
    }
    block.assign(frames, frames + count * width_);
    waiting_.push_back(std::move(block));
    changed_.notify_all();
}

const LoudnessMeter& BackgroundMeter::finish() {
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
    return *meter_;
}

void BackgroundMeter::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !waiting_.empty() || ending_; });
        if (waiting_.empty())
            return;
        std::vector<float> block = std::move(waiting_.front());
        waiting_.pop_front();
        changed_.notify_all();
        lock.unlock();
        meter_->add(block.data(), block.size() / width_);
        lock.lock();
        spare_.push_back(std::move(block));
    }
}

}  // namespace vexa
