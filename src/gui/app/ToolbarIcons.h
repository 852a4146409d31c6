#pragma once
// The pictures of the toolbar buttons, drawn so that they look the same with
// every style and at every size.
#include "core/app/MainToolbar.h"

#include <QIcon>

namespace vexa::gui {

// A picture for each key; the spare buttons get a blank one of the same size.
QIcon toolbarIcon(ToolbarKey key);

// The SIM picture while a test runs.
QIcon stopTestIcon();

}  // namespace vexa::gui
