#include "app/raster_bitmap.h"

#include <cstring>

namespace viewer {

HBITMAP BitmapFromRaster(const pdf::RasterImage& image) {
  if (image.width <= 0 || image.height <= 0) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top-down rows, as rendered
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr) return bitmap;
  std::memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(uint32_t));
  return bitmap;
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height) {
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(dc, x, y, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

}  // namespace viewer
