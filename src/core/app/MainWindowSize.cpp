#include "app/MainWindowSize.h"

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

}  // namespace vexa
