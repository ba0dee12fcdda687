// Win32 bitmaps from rendered pages.
#pragma once

#include <windows.h>

#include "pdf/page_renderer.h"

namespace viewer {

// A top-down 32-bit DIB section holding image; null when image is empty.
HBITMAP BitmapFromRaster(const pdf::RasterImage& image);

// Draws bitmap (width x height) at x, y of dc.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height);

}  // namespace viewer
