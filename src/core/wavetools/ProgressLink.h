#pragma once
// The progress of one tools job, shared by the files it converts: the work is
// counted in bytes and the bar moves one unit each time the count passes the
// step (a hundredth of the whole job). The stop request is heard at those
// steps and between blocks.
#include "core/ui/Progress.h"

#include <cstdint>
#include <string>

namespace vexa {

class ProgressLink {
public:
    // step = totalBytes / 100 (whole-number division); bar and counter at 0.
    ProgressLink(Progress& progress, std::uint64_t totalBytes);

    // Starts one routine's run: the caption becomes prefix + "0%", and later
    // steps show prefix + (value + 1) + "%".
    void begin(std::string captionPrefix);

    // Work counted outside the step loop (a copied header).
    void count(std::uint64_t bytes);

    // How many items of `itemBytes` bytes each can be done before the next
    // step is due (at least 1).
    std::uint64_t itemsBeforeStep(std::uint64_t itemBytes) const;

    // Counts `items` items of `itemBytes` (at most itemsBeforeStep(itemBytes),
    // so that no step is skipped); when the count passes the step the bar
    // moves one unit. False when the user asked to stop at that step.
    bool countItems(std::uint64_t items, std::uint64_t itemBytes);

    bool stopRequested() { return progress_.stopRequested(); }
    void setCaption(const std::string& text) { progress_.setCaption(text); }
    int value() const { return value_; }

private:
    Progress& progress_;
    std::uint64_t step_;
    std::uint64_t counter_ = 0;
    int value_ = 0;
    std::string prefix_;
};

}  // namespace vexa
