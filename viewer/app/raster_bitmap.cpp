#include "app/raster_bitmap.h"

#include <cstring>

namespace viewer {
namespace {

constexpr COLORREF kNotDrawnFill = RGB(214, 214, 214);
constexpr COLORREF kNotDrawnText = RGB(64, 64, 64);
constexpr COLORREF kBeingDrawnText = RGB(160, 160, 160);
constexpr int kNoteMargin = 4;

// Fills page and writes text in its middle, broken into lines to fit.
void DrawPageNote(HDC dc, const RECT& page, COLORREF fill, COLORREF ink, const char* text) {
  HBRUSH brush = CreateSolidBrush(fill);
  FillRect(dc, &page, brush);
  DeleteObject(brush);
  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  RECT box{page.left + kNoteMargin, page.top, page.right - kNoteMargin, page.bottom};
  if (box.right > box.left) {
    RECT measured = box;
    DrawTextA(dc, text, -1, &measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
    const LONG height = measured.bottom - measured.top;
    box.top = page.top + (page.bottom - page.top - height) / 2;
    box.bottom = box.top + height;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    DrawTextA(dc, text, -1, &box, DT_CENTER | DT_WORDBREAK | DT_NOCLIP);
  }
  SelectObject(dc, oldFont);
}

}  // namespace

HBITMAP BitmapFromRaster(const render::RasterImage& image) {
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

void DrawPageBeingDrawn(HDC dc, const RECT& page) {
  DrawPageNote(dc, page, RGB(255, 255, 255), kBeingDrawnText, "Drawing...");
}

void DrawPageNotDrawn(HDC dc, const RECT& page) {
  DrawPageNote(dc, page, kNotDrawnFill, kNotDrawnText, "This page could not be drawn.");
}

}  // namespace viewer
