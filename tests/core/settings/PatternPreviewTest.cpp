// The pattern preview, tick by tick: which icon each 50 ms tick leaves.
#include "core/settings/PatternPreview.h"

#include <gtest/gtest.h>

#include <string>

namespace vexa {
namespace {

// The icons after `ticks` ticks of a fresh preview, "1" on and "0" off.
std::string run(const char* on, const char* off, int ticks, bool ticked = true) {
    PatternPreview preview;
    std::string icons;
    for (int i = 0; i < ticks; ++i)
        icons += preview.tick(ticked, on, off) == PreviewIcon::On ? '1' : '0';
    return icons;
}

std::string repeat(char c, int n) { return std::string(static_cast<std::size_t>(n), c); }

// The ticks a phase of t seconds lasts: the first tick at which the sum of
// 0.05 s in single precision is greater than t.
TEST(PatternPreview, APhaseEndsAtTheFirstTickBeyondItsTimeInSinglePrecision) {
    const struct {
        const char* seconds;
        int ticks;
    } cases[] = {{"0.1", 3}, {"0.5", 10}, {"1.0", 20}, {"2.0", 41}, {"3.0", 61}, {"0.05", 2}, {"99.9", 1998}};
    for (const auto& c : cases) {
        // After the first lit stretch (off time + on time) the icon is off for
        // the off time, then on for the on time.
        const std::string expected =
            repeat('1', 2 * c.ticks - 1) + repeat('0', c.ticks) + repeat('1', c.ticks) + "00";
        EXPECT_EQ(run(c.seconds, c.seconds, 4 * c.ticks + 1), expected) << c.seconds;
    }
}

TEST(PatternPreview, TheFirstLitStretchLastsTheOffTimePlusTheOnTime) {
    // on 0.5 s (10 ticks), off 1.0 s (20 ticks)
    const std::string icons = run("0.5", "1.0", 20 + 10 + 20 + 10);
    EXPECT_EQ(icons, repeat('1', 29) + repeat('0', 20) + repeat('1', 10) + "0");
}

TEST(PatternPreview, ZeroAndNegativeTimes) {
    // On 0, off 0.5: on for the first 0.5 s, then off for good.
    EXPECT_EQ(run("0", "0.5", 30), repeat('1', 9) + repeat('0', 21));
    // Off 0, on 0.5: on, and it stays on.
    EXPECT_EQ(run("0.5", "0", 40), repeat('1', 40));
    // Both 0: set on and back off within the first tick, then off.
    EXPECT_EQ(run("0", "0", 5), "00000");
    // A negative number is 0 while it stands.
    EXPECT_EQ(run("-1", "0.5", 30), run("0", "0.5", 30));
    EXPECT_EQ(run("0.5", "-0.3", 40), run("0.5", "0", 40));
}

TEST(PatternPreview, AnUntickedBoxOrATextThatIsNoNumberStopsItUntilItIsOneAgain) {
    EXPECT_EQ(run("0.5", "0.5", 5, false), "00000");
    EXPECT_EQ(run("", "0.5", 5), "00000");
    EXPECT_EQ(run("0.5", "abc", 5), "00000");

    PatternPreview preview;
    for (int i = 0; i < 7; ++i)
        preview.tick(true, "0.5", "0.5");
    EXPECT_EQ(preview.tick(true, "0.5", ""), PreviewIcon::Off);
    EXPECT_FALSE(preview.running());
    // Started afresh: the full first stretch again (10 + 10 ticks lit).
    std::string icons;
    for (int i = 0; i < 21; ++i)
        icons += preview.tick(true, "0.5", "0.5") == PreviewIcon::On ? '1' : '0';
    EXPECT_EQ(icons, repeat('1', 19) + "00");
}

TEST(PatternPreview, AnEditTakesEffectAtTheNextTick) {
    PatternPreview preview;
    for (int i = 0; i < 5; ++i)
        preview.tick(true, "2.0", "2.0");  // counting the 2 s off time, icon on
    // The off time becomes 0.1: the count (0.3 s) is past it at once.
    EXPECT_EQ(preview.tick(true, "2.0", "0.1"), PreviewIcon::On);  // into the on phase
    std::string icons;
    for (int i = 0; i < 45; ++i)
        icons += preview.tick(true, "2.0", "0.1") == PreviewIcon::On ? '1' : '0';
    EXPECT_EQ(icons, repeat('1', 40) + "000" + "11");
}

}  // namespace
}  // namespace vexa
