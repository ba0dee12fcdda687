// Pictures of the host's own toolbar buttons, drawn at start-up.
#pragma once

#include <windows.h>

namespace viewer {

enum class HostIcon { Open, Print, ZoomIn, ZoomOut, Thumbnails };

// A 16 x 16 bitmap on the toolbar's light grey, which the toolbar treats as transparent.
HBITMAP MakeHostIcon(HostIcon icon);

}  // namespace viewer
