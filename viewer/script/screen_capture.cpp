#include "script/screen_capture.h"

// Also copy layered windows; older headers lack the name.
#ifndef CAPTUREBLT
#define CAPTUREBLT 0x40000000
#endif

namespace viewer::script {

RgbImage CaptureScreenRect(const RECT& area) {
  RgbImage image;
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return image;

  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;   // top-down rows
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap && bits) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY | CAPTUREBLT);
    GdiFlush();
    image.width = width;
    image.height = height;
    image.rgb.resize(static_cast<size_t>(width) * height * 3);
    const unsigned char* from = static_cast<const unsigned char*>(bits);
    unsigned char* to = image.rgb.data();
    for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; ++i) {
      to[3 * i] = from[4 * i + 2];
      to[3 * i + 1] = from[4 * i + 1];
      to[3 * i + 2] = from[4 * i];
    }
    SelectObject(memory, old);
  }
  if (bitmap) DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return image;
}

RECT WholeScreen() {
  RECT area;
  area.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  area.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  area.right = area.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
  area.bottom = area.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  return area;
}

}  // namespace viewer::script
