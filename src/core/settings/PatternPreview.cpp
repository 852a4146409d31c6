#include "core/settings/PatternPreview.h"

#include "core/text/NumberFormat.h"

namespace vexa {
namespace {

constexpr float kTickSeconds = 0.05f;

// A box's number in single precision (the caller has checked it is one).
float single(std::string_view text) { return static_cast<float>(numfmt::parseNumber(text).value_or(0.0)); }

}  // namespace

PreviewIcon PatternPreview::tick(bool ticked, std::string_view onText, std::string_view offText) {
    if (!ticked || !numfmt::isNumber(onText) || !numfmt::isNumber(offText)) {
        icon_ = PreviewIcon::Off;
        running_ = false;
        phase_ = 0;
        elapsed_ = 0.0f;
        return icon_;
    }
    elapsed_ += kTickSeconds;
    onText_ = onText;
    offText_ = offText;
    if (!running_) {
        icon_ = PreviewIcon::On;
        running_ = true;
        phase_ = 1;
    }
    const float limit = single(phase_ == 0 ? onText_ : offText_);
    if (!(elapsed_ > limit))
        return icon_;
    elapsed_ = 0.0f;  // what the tick ran past the limit is not carried over
    if (phase_ == 1) {
        if (single(onText_) <= 0.0f) {
            icon_ = PreviewIcon::Off;
        } else {
            phase_ = 0;
            icon_ = PreviewIcon::On;
        }
    } else if (single(offText_) > 0.0f) {
        phase_ = 1;
        icon_ = PreviewIcon::Off;
    } else {
        icon_ = PreviewIcon::On;
    }
    return icon_;
}

}  // namespace vexa
