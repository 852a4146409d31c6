// The Pattern Time boxes: their text when the focus leaves them, and the
// common step routine of the up-down arrows.
#include "core/settings/NumberBoxes.h"

#include <gtest/gtest.h>

#include <string>

namespace vexa {
namespace {

TEST(NumberBoxes, LeavingAPatternTimeBoxHoldsItToTheRangeInOneDecimal) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"", "0.0"},       {"0", "0.0"},       {"-3", "0.0"},     {"-0.05", "0.0"},
        {"150", "99.9"},   {"99.95", "99.9"},  {"99.9", "99.9"},  {"1", "1.0"},
        {".5", "0.5"},     {"0.25", "0.3"},    {"2.45", "2.5"},   {" 1.5 ", "1.5"},
        {"1e1", "10.0"},   {"abc", "abc"},     {"1.2.3", "1.2.3"}, {"  ", "  "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizePatternTimeBox(c.typed), c.shown) << '"' << c.typed << '"';
}

TEST(NumberBoxes, ArrowsStepInSinglePrecisionWithoutClamping) {
    const struct {
        const char* text;
        bool up;
        const char* after;
    } cases[] = {
        {"", true, "0.0"},        {"", false, "0.0"},      {"  ", true, "0.0"},    // empty: the zero of the step
        {"0.5", true, "0.6"},     {"0.5", false, "0.4"},   {"0.1", false, "0.0"},  // 0.1 goes down to 0
        {"0.0", false, "0.0"},    {"0", false, "0"},       {"-1", false, "-1"},    // at or below 0: down does nothing
        {"-1", true, "-0.9"},     {"99.8", true, "99.9"},  {"99.9", true, "99.9"}, // at the maximum: up does nothing
        {"99.85", true, "100.0"}, {"150", false, "149.9"}, {"150", true, "150"},   // beyond: stepped, not clamped
        {"0.25", true, "0.4"},    {"7", true, "7.1"},      {"2.95", false, "2.9"},
        {"abc", true, "abc"},     {"1e40", false, "1e40"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StepPatternTimeBox(c.text, c.up), c.after) << '"' << c.text << "\" " << (c.up ? "up" : "down");
}

TEST(NumberBoxes, TheZeroOfAnEmptyBoxFollowsTheStepOnlyBelowAMinimumOfOne) {
    EXPECT_EQ(CommonUpDownClickProc("", true, 0, 10, 0.01, "0.00"), "0.00");
    EXPECT_EQ(CommonUpDownClickProc("", true, 0, 10, 0.1, "0.0"), "0.0");
    EXPECT_EQ(CommonUpDownClickProc("", true, 0, 100, 1, "0"), "0");
    EXPECT_EQ(CommonUpDownClickProc("", false, 0, 100, 10, "0"), "0");
    EXPECT_EQ(CommonUpDownClickProc("", true, 1, 100, 1, "0"), "");  // not a number: unchanged
    EXPECT_EQ(CommonUpDownClickProc("40", true, 0, 100, 10, "0"), "50");
    EXPECT_EQ(CommonUpDownClickProc("1.25", false, 0, 10, 0.01, "0.00"), "1.24");
}

}  // namespace
}  // namespace vexa
