#include "core/app/MainWindowSize.h"

#include <algorithm>

namespace vexa {

WindowGeometry MainWindowGeometry(const WorkArea& area) {
    WindowGeometry g;
    g.x = area.left;
    g.y = area.top;
    g.width = std::clamp(area.right - area.left, 0, kMainWindowMaxWidth);
    g.height = std::clamp(area.bottom - area.top, 0, kMainWindowMaxHeight);
    return g;
}

WindowGeometry MainWindowInnerGeometry(const WorkArea& area, const FrameMargins& frame) {
    const WindowGeometry outer = MainWindowGeometry(area);
    WindowGeometry inner;
    inner.x = outer.x + frame.left;
    inner.y = outer.y + frame.top;
    inner.width = std::max(outer.width - frame.left - frame.right, 0);
    inner.height = std::max(outer.height - frame.top - frame.bottom, 0);
    return inner;
}

namespace {

// The frame's start on one axis: inside [low, high) when it fits, else at low.
int placedStart(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

}  // namespace

WindowGeometry FitInWorkArea(const WorkArea& area, const WindowGeometry& inner, const FrameMargins& frame,
                             int minWidth, int minHeight) {
    const int frameWidth = frame.left + frame.right;
    const int frameHeight = frame.top + frame.bottom;
    WindowGeometry fitted;
    fitted.width = std::min(inner.width, std::max(area.right - area.left - frameWidth, minWidth));
    fitted.height = std::min(inner.height, std::max(area.bottom - area.top - frameHeight, minHeight));
    fitted.x = placedStart(inner.x - frame.left, fitted.width + frameWidth, area.left, area.right) + frame.left;
    fitted.y = placedStart(inner.y - frame.top, fitted.height + frameHeight, area.top, area.bottom) + frame.top;
    return fitted;
}

}  // namespace vexa
