#include "core/app/MainWindowSize.h"

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

TEST(MainWindowSize, ASecondaryWindowIsBroughtInsideTheWorkAreaFrameIncluded) {
    const WorkArea area{0, 0, 1024, 768};
    const FrameMargins frame{1, 24, 1, 4};
    struct Case {
        const char* what;
        WindowGeometry inner;
        int minWidth, minHeight;
        WindowGeometry expected;
    };
    const Case cases[] = {
        {"inside: left alone", {100, 100, 600, 400}, 0, 0, {100, 100, 600, 400}},
        {"touching the edges", {1, 24, 1022, 740}, 0, 0, {1, 24, 1022, 740}},
        {"too tall (a 760 px list window): shrinks to the area less the frame", {200, 4, 700, 760}, 0, 0,
         {200, 24, 700, 740}},
        {"below the bottom: moved up", {300, 600, 400, 300}, 0, 0, {300, 464, 400, 300}},
        {"right of the edge: moved left", {900, 100, 400, 300}, 0, 0, {623, 100, 400, 300}},
        {"title bar above the top: moved down", {50, 0, 400, 300}, 0, 0, {50, 24, 400, 300}},
        {"left of the edge: moved right", {-30, 100, 400, 300}, 0, 0, {1, 100, 400, 300}},
        {"larger than the area yet held by its minimum: at the top-left", {10, 10, 1200, 900}, 1100, 800,
         {1, 24, 1100, 800}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitInWorkArea(area, c.inner, frame, c.minWidth, c.minHeight), c.expected) << c.what;
    // a work area that does not start at 0 (a panel at the top)
    EXPECT_EQ(FitInWorkArea({0, 32, 1024, 768}, {10, 20, 300, 200}, frame), (WindowGeometry{10, 56, 300, 200}));
}

}  // namespace
}  // namespace vexa
