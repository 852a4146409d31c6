#pragma once
// How big the main window opens (the desktop work area, held to 1024 × 768),
// and where any other window goes so that it lies in the work area.
namespace vexa {

// The work area (the screen without task bars) in pixels; right and bottom
// are exclusive edges, so width = right - left.
struct WorkArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct WindowGeometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowGeometry&) const = default;
};

inline constexpr int kMainWindowMaxWidth = 1024;
inline constexpr int kMainWindowMaxHeight = 768;

// The work area's size held to 1024 × 768, at the work area's top-left
// corner. The limits apply to the size, not to the right and bottom edges,
// so that a work area not starting at 0 never gets a window wider than itself.
// This is the whole window, frame and title bar included.
WindowGeometry MainWindowGeometry(const WorkArea& area);

// The frame the window system draws around the window's inner area.
struct FrameMargins {
    int left = 0;
    int top = 0;  // the title bar
    int right = 0;
    int bottom = 0;
};

// The inner area (what the program lays out) of a window whose frame takes
// MainWindowGeometry(area): the frame stays on screen, title bar included.
WindowGeometry MainWindowInnerGeometry(const WorkArea& area, const FrameMargins& frame);

// A secondary window whose inner area is `inner`, placed so that its whole
// frame lies in the work area: a frame larger than the area shrinks to it
// (never below the inner minimum size `minWidth` × `minHeight`), then the
// frame moves the least distance that brings it inside (to the area's left
// and top edges when it is still larger). Returns the new inner area.
WindowGeometry FitInWorkArea(const WorkArea& area, const WindowGeometry& inner, const FrameMargins& frame,
                             int minWidth = 0, int minHeight = 0);

}  // namespace vexa
