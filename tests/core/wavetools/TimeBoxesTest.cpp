#include "core/wavetools/TimeBoxes.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(TimeBoxes, OnlyDigitsAndTheFourEditingKeysTypeIntoABox) {
    for (TimeBoxKey key : {TimeBoxKey::Digit, TimeBoxKey::Backspace, TimeBoxKey::Copy, TimeBoxKey::Paste,
                           TimeBoxKey::Cut, TimeBoxKey::SelectAll, TimeBoxKey::NoCharacter})
        EXPECT_TRUE(TimeBoxKeyPasses(key)) << static_cast<int>(key);
    EXPECT_FALSE(TimeBoxKeyPasses(TimeBoxKey::OtherCharacter));
}

TEST(TimeBoxes, LeavingABoxKeepsANumberInRangeWithTwoDigits) {
    const struct {
        const char* text;
        int maximum;
        const char* left;
    } cases[] = {
        {"99", kMinutesMax, "60"}, {"75", kSecondsMax, "59"}, {"60", kMinutesMax, "60"}, {"60", kSecondsMax, "59"},
        {"7", kSecondsMax, "07"},  {"0", kSecondsMax, "00"},  {"-3", kSecondsMax, "00"}, {" 5", kMinutesMax, "05"},
        {"1.", kMinutesMax, "01"}, {".5", kMinutesMax, "01"}, {"", kMinutesMax, ""},     {"ab", kMinutesMax, "ab"},
        {"-", kMinutesMax, "-"},   {"1-", kMinutesMax, "1-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeaveTimeBox(c.text, c.maximum), c.left) << "[" << c.text << "] max " << c.maximum;
}

TEST(TimeBoxes, SpinsStopAtTheirLimitsAndFillTheOtherEmptyBox) {
    const struct {
        TimeBoxes before;
        bool minutes;
        Spin spin;
        TimeBoxes after;
    } cases[] = {
        {{"00", "00"}, true, Spin::Down, {"00", "00"}},
        {{"00", "00"}, false, Spin::Down, {"00", "00"}},
        {{"05", "59"}, false, Spin::Up, {"05", "59"}},
        {{"60", "00"}, true, Spin::Up, {"60", "00"}},
        {{"59", "00"}, true, Spin::Up, {"60", "00"}},
        {{"05", "58"}, false, Spin::Up, {"05", "59"}},
        {{"9", "1"}, true, Spin::Down, {"08", "1"}},   // the spun box is written with two digits
        {{"", "07"}, true, Spin::Up, {"00", "07"}},    // an empty box becomes "00" without a step
        {{"03", ""}, true, Spin::Up, {"04", "00"}},    // the other box filled
        {{"", "10"}, false, Spin::Down, {"00", "09"}},
        {{"", ""}, false, Spin::Up, {"00", "00"}},
        {{"ab", "02"}, true, Spin::Up, {"ab", "02"}},  // other texts stay
        {{"0", "00"}, true, Spin::Down, {"0", "00"}},
    };
    for (const auto& c : cases) {
        const TimeBoxes after = c.minutes ? SpinMinutes(c.before, c.spin) : SpinSeconds(c.before, c.spin);
        EXPECT_EQ(after, c.after) << "[" << c.before.minutes << "][" << c.before.seconds << "] "
                                  << (c.minutes ? "minutes " : "seconds ") << (c.spin == Spin::Up ? "up" : "down");
    }
}

TEST(TimeBoxes, SilenceSecondsNeedsTwoNumbers) {
    EXPECT_EQ(SilenceSeconds("60", "59"), 3659);
    EXPECT_EQ(SilenceSeconds("00", "00"), 0);
    EXPECT_EQ(SilenceSeconds("1", "-61"), -1);
    EXPECT_EQ(SilenceSeconds("", "01"), std::nullopt);
    EXPECT_EQ(SilenceSeconds("01", "x"), std::nullopt);
    EXPECT_EQ(SilenceSeconds("99999999999999999999", "00"), std::nullopt);  // no wrap into a valid length
}

}  // namespace
}  // namespace vexa
