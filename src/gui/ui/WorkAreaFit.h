#pragma once
// Keeps a secondary window, frame included, inside the work area of its
// screen: when it is shown, when the window manager has framed it, and
// whenever it grows. A window the user moves is left where it is.
class QWidget;

namespace vexa::gui {

void KeepInWorkArea(QWidget* window);

}  // namespace vexa::gui
