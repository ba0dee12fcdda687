// Pictures of what the screen shows.
#pragma once

#include "script/win32.h"

#include "script/png_writer.h"

namespace viewer::script {

// Copies a rectangle of the screen (screen coordinates) as it is seen now, with
// whatever windows overlap it.
RgbImage CaptureScreenRect(const RECT& area);
RECT WholeScreen();

}  // namespace viewer::script
