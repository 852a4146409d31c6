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

}  // namespace vexa
