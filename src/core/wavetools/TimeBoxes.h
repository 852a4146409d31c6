#pragma once
// The minutes and seconds boxes of the silence tab: which keys they take,
// what leaving a box does to its text, and the spin buttons beside them.
// Both boxes hold two digits; the texts are what the boxes show.
#include <optional>
#include <string>
#include <string_view>

namespace vexa {

inline constexpr int kMinutesMax = 60;
inline constexpr int kSecondsMax = 59;

// A key pressed in a box, as far as the boxes care.
enum class TimeBoxKey {
    Digit,           // 0 … 9
    Backspace,
    Copy,            // Ctrl+C
    Paste,           // Ctrl+V
    Cut,             // Ctrl+X
    SelectAll,       // Ctrl+A: changes no text
    OtherCharacter,  // any other key that types a character, other Ctrl combinations
    NoCharacter,     // keys that type nothing: arrows, Home, End, Delete, Tab
};

// Digits, the four editing keys, select-all and the keys that type nothing pass.
bool TimeBoxKeyPasses(TimeBoxKey key);

// The value of a box holding a number (blanks around it, a sign and a
// decimal part allowed: a pasted text may hold them); nullopt otherwise.
std::optional<double> TimeBoxNumber(std::string_view text);

// Leaving a box: a number is kept within 0 … maximum and written with two
// digits ("75" → "59", "7" → "07"); an empty box and other texts stay.
std::string LeaveTimeBox(const std::string& text, int maximum);

enum class Spin { Up, Down };

// Both boxes as a spin button leaves them.
struct TimeBoxes {
    std::string minutes;
    std::string seconds;

    bool operator==(const TimeBoxes&) const = default;
};

// A spin of the minutes (maximum 60) or the seconds (maximum 59): an empty box
// becomes "00"; a number goes one up below the maximum or one down above 0,
// with two digits; other texts stay. The other box, when empty, becomes "00".
TimeBoxes SpinMinutes(TimeBoxes boxes, Spin spin);
TimeBoxes SpinSeconds(TimeBoxes boxes, Spin spin);

// The length the two boxes give, minutes × 60 + seconds (rounded to whole
// seconds); nullopt unless both hold numbers.
std::optional<int> SilenceSeconds(const std::string& minutes, const std::string& seconds);

}  // namespace vexa
