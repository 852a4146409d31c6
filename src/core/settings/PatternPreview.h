#pragma once
// The preview of one LED or BUZZER pattern in the settings window: while its
// check box is ticked, the picture alternates between the on icon and the off
// icon with the times typed in the pattern's boxes. The window's timer calls
// tick() every 50 ms; the time is counted in single precision, 0.05 s per
// tick, and a phase of t seconds ends at the first tick at which the count is
// greater than t (0.1 s: 3 ticks, 0.5 s: 10, 1.0 s: 20, 2.0 s: 41).
//
// A preview starts with the on icon while it counts the off time, then
// counts the on time with the icon still on: the first lit stretch lasts the
// off time plus the on time. From then on the icon is on for the on time and
// off for the off time; an on time of 0 or less keeps it off, an off time of
// 0 or less keeps it on. A box that does not hold a number stops the preview
// (off icon) until it does again.
#include <string>
#include <string_view>

namespace vexa {

enum class PreviewIcon { Off, On };

class PatternPreview {
public:
    static constexpr int kTickMilliseconds = 50;

    // One tick with the check box and the two box texts as they are now;
    // returns the icon to show after it.
    PreviewIcon tick(bool ticked, std::string_view onText, std::string_view offText);

    PreviewIcon icon() const { return icon_; }
    bool running() const { return running_; }

private:
    PreviewIcon icon_ = PreviewIcon::Off;
    bool running_ = false;
    int phase_ = 0;          // 0: counting the on time, 1: counting the off time
    float elapsed_ = 0.0f;   // seconds counted in the phase
    std::string onText_;     // the box texts of the latest tick
    std::string offText_;
};

}  // namespace vexa
