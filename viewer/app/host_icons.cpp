#include "app/host_icons.h"

namespace viewer {
namespace {

constexpr int kSize = 16;

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  RECT rect{left, top, right, bottom};
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

void Frame(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  RECT rect{left, top, right, bottom};
  FrameRect(dc, &rect, brush);
  DeleteObject(brush);
}

void Magnifier(HDC dc, bool plus) {
  HPEN pen = CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
  Ellipse(dc, 1, 1, 11, 11);
  MoveToEx(dc, 10, 10, nullptr);
  LineTo(dc, 15, 15);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  Fill(dc, 3, 5, 9, 7, RGB(0, 0, 128));
  if (plus) Fill(dc, 5, 3, 7, 9, RGB(0, 0, 128));
}

}  // namespace

HBITMAP MakeHostIcon(HostIcon icon) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, kSize, kSize);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  Fill(dc, 0, 0, kSize, kSize, RGB(192, 192, 192));
  switch (icon) {
    case HostIcon::Open:
      Fill(dc, 1, 4, 15, 14, RGB(230, 190, 60));
      Fill(dc, 1, 2, 7, 4, RGB(230, 190, 60));
      Frame(dc, 1, 4, 15, 14, RGB(128, 96, 0));
      break;
    case HostIcon::Print:
      Fill(dc, 4, 1, 12, 6, RGB(255, 255, 255));
      Frame(dc, 4, 1, 12, 6, RGB(0, 0, 0));
      Fill(dc, 1, 6, 15, 12, RGB(128, 128, 128));
      Frame(dc, 1, 6, 15, 12, RGB(0, 0, 0));
      Fill(dc, 4, 10, 12, 15, RGB(255, 255, 255));
      Frame(dc, 4, 10, 12, 15, RGB(0, 0, 0));
      break;
    case HostIcon::ZoomIn:
      Magnifier(dc, true);
      break;
    case HostIcon::ZoomOut:
      Magnifier(dc, false);
      break;
    case HostIcon::Thumbnails:
      for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
          const int x = 2 + column * 7, y = 1 + row * 7;
          Fill(dc, x, y, x + 5, y + 6, RGB(255, 255, 255));
          Frame(dc, x, y, x + 5, y + 6, RGB(0, 0, 0));
        }
      }
      break;
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

}  // namespace viewer
