// Win32 bitmaps from rendered pages, and what stands in for a page not drawn.
#pragma once

#include <windows.h>

#include "render/render_source.h"

namespace viewer {

// A top-down 32-bit DIB section holding image; null when image is empty.
HBITMAP BitmapFromRaster(const render::RasterImage& image);

// Draws bitmap (width x height) at x, y of dc.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height);

// What a page looks like while it is being drawn: white, with a quiet note.
void DrawPageBeingDrawn(HDC dc, const RECT& page);
// What a page looks like when it cannot be drawn: light grey, saying so.
void DrawPageNotDrawn(HDC dc, const RECT& page);

}  // namespace viewer
