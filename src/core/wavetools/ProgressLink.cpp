#include "core/wavetools/ProgressLink.h"

#include <algorithm>

namespace vexa {

ProgressLink::ProgressLink(Progress& progress, std::uint64_t totalBytes)
    : progress_(progress), step_(totalBytes / 100) {
    progress_.setValue(0);
}

void ProgressLink::begin(std::string captionPrefix) {
    prefix_ = std::move(captionPrefix);
    progress_.setCaption(prefix_ + "0%");
}

void ProgressLink::count(std::uint64_t bytes) { counter_ += bytes; }

std::uint64_t ProgressLink::itemsBeforeStep(std::uint64_t itemBytes) const {
    if (counter_ > step_)
        return 1;
    return (step_ - counter_) / itemBytes + 1;
}

bool ProgressLink::countItems(std::uint64_t items, std::uint64_t itemBytes) {
    counter_ += items * itemBytes;
    if (counter_ <= step_)
        return true;
    if (progress_.stopRequested())
        return false;
    // The bar's maximum is 100; a caller's total that is too small must not
    // push it past.
    value_ = std::min(value_ + 1, 100);
    counter_ = 0;
    progress_.setValue(value_);
    progress_.setCaption(prefix_ + std::to_string(std::min(value_ + 1, 100)) + "%");
    return true;
}

}  // namespace vexa
