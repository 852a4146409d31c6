#include "app/MainWindowSize.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(MainWindowSize, TakesTheWorkAreaUpTo1024By768) {
    struct Case {
        WorkArea area;
        WindowGeometry expected;
    };
    const Case cases[] = {
        {{0, 0, 800, 600}, {0, 0, 800, 600}},        // small screen: the whole work area
        {{0, 0, 1024, 768}, {0, 0, 1024, 768}},      // exactly the limit
        {{0, 0, 1024, 728}, {0, 0, 1024, 728}},      // task bar at the bottom
        {{0, 0, 1920, 1040}, {0, 0, 1024, 768}},     // large screen
        {{0, 0, 1025, 500}, {0, 0, 1024, 500}},      // only the width is held
        {{0, 32, 1366, 768}, {0, 32, 1024, 736}},    // panel at the top: placed below it
        {{70, 0, 1050, 700}, {70, 0, 980, 700}},     // dock on the left: never wider than the area
        {{1920, 0, 3840, 1080}, {1920, 0, 1024, 768}},  // second screen
    };
    for (const auto& c : cases)
        EXPECT_EQ(MainWindowGeometry(c.area), c.expected)
            << c.area.left << "," << c.area.top << "," << c.area.right << "," << c.area.bottom;
}

TEST(MainWindowSize, TheFrameStaysInsideTheWorkArea) {
    const FrameMargins frame{1, 24, 1, 4};  // borders and a title bar
    EXPECT_EQ(MainWindowInnerGeometry({0, 0, 1024, 768}, frame), (WindowGeometry{1, 24, 1022, 740}));
    EXPECT_EQ(MainWindowInnerGeometry({0, 32, 1920, 1080}, frame), (WindowGeometry{1, 56, 1022, 740}));
    EXPECT_EQ(MainWindowInnerGeometry({0, 0, 1024, 768}, {}), (WindowGeometry{0, 0, 1024, 768}));
    EXPECT_EQ(MainWindowInnerGeometry({0, 0, 10, 10}, {8, 30, 8, 8}), (WindowGeometry{8, 30, 0, 0}));
}

}  // namespace
}  // namespace vexa
