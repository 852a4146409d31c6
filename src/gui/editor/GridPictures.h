#pragma once
// The state pictures of the programme grid (idle, voice playing, LED lit,
// BUZZER sounding), drawn here rather than loaded from files.
#include "core/editor/ProgramGrid.h"

#include <QPixmap>

namespace vexa::gui {

inline constexpr int kGridPictureSize = 12;

// A null pixmap for StatePicture::None.
const QPixmap& gridPicture(StatePicture picture);

}  // namespace vexa::gui
