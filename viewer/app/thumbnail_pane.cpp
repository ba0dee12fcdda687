#include "app/thumbnail_pane.h"

#include <windowsx.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/doc_window.h"
#include "app/guarded.h"
#include "app/raster_bitmap.h"
#include "pdf/page_renderer.h"
#include "pdf/pdf_document.h"
#include "render/render_activity.h"

namespace viewer {
namespace {

const char kClassName[] = "ViewerThumbnails";
constexpr int kCellHeight = 150;
constexpr int kThumbBoxWidth = 100, kThumbBoxHeight = 120;
constexpr int kLabelHeight = 18;
constexpr size_t kMaxCachedThumbs = 400;
constexpr COLORREF kSelectionColour = RGB(51, 102, 204);
constexpr COLORREF kPaneColour = RGB(224, 224, 224);

}  // namespace

ThumbnailPane::~ThumbnailPane() { DropThumbnails(); }

bool ThumbnailPane::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  return RegisterClassA(&wc) != 0;
}

HWND ThumbnailPane::Create(HWND parent) {
  hwnd_ = CreateWindowExA(WS_EX_CLIENTEDGE, kClassName, nullptr, WS_CHILD | WS_VSCROLL, 0, 0, 0,
                          0, parent, nullptr, GetModuleHandleA(nullptr), this);
  return hwnd_;
}

LRESULT CALLBACK ThumbnailPane::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    static_cast<ThumbnailPane*>(create->lpCreateParams)->hwnd_ = hwnd;
  }
  auto* pane = reinterpret_cast<ThumbnailPane*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (pane == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    pane->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  return Guarded([&] { return pane->Handle(message, wParam, lParam); });
}

LRESULT ThumbnailPane::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      // From before the paint validates the window until the pages are asked for, the
      // script runner sees drawing under way.
      render::PaintActivity painting;
      Paint();
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      UpdateScrollBar();
      return 0;
    case WM_VSCROLL: {
      SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
      GetScrollInfo(hwnd_, SB_VERT, &info);
      switch (LOWORD(wParam)) {
        case SB_LINEUP: ScrollTo(scrollY_ - kCellHeight / 3); break;
        case SB_LINEDOWN: ScrollTo(scrollY_ + kCellHeight / 3); break;
        case SB_PAGEUP: ScrollTo(scrollY_ - static_cast<int>(info.nPage)); break;
        case SB_PAGEDOWN: ScrollTo(scrollY_ + static_cast<int>(info.nPage)); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: ScrollTo(info.nTrackPos); break;
        default: break;
      }
      return 0;
    }
    case WM_MOUSEWHEEL:
      ScrollTo(scrollY_ - GET_WHEEL_DELTA_WPARAM(wParam) * kCellHeight / 2 / WHEEL_DELTA);
      return 0;
    case WM_LBUTTONDOWN: {
      // A click selects that page alone and shows it.
      const int page = (GET_Y_LPARAM(lParam) + scrollY_) / kCellHeight;
      if (page >= 0 && page < doc_.pdf().PageCount()) {
        doc_.SetThumbnailSelection({page});
        doc_.pageView().GoTo(page);
      }
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void ThumbnailPane::Refresh() {
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

void ThumbnailPane::PagesChangedFrom(int index) {
  if (hwnd_ == nullptr) return;
  scrollRangeStale_ = true;
  RECT client{};
  GetClientRect(hwnd_, &client);
  // At least one row of pixels, so that a paint comes and the scroll range follows
  // even when the changed cells are out of view.
  RECT changed{client.left, std::max<LONG>(index * kCellHeight - scrollY_, client.top), client.right,
               client.bottom};
  if (changed.top >= client.bottom) changed.top = client.bottom - 1;
  InvalidateRect(hwnd_, &changed, FALSE);
}

void ThumbnailPane::RefreshPage(int page) {
  if (hwnd_ == nullptr) return;
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int top = page * kCellHeight - scrollY_;
  // Cells out of view are painted when they come into view: asking the window system
  // for nothing would cost a round trip per page of a long selection.
  if (top + kCellHeight <= client.top || top >= client.bottom) return;
  RECT cell{client.left, top, client.right, top + kCellHeight};
  InvalidateRect(hwnd_, &cell, FALSE);
}

void ThumbnailPane::ScrollToPage(int page) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int top = page * kCellHeight;
  if (top < scrollY_) {
    ScrollTo(top);
  } else if (top + kCellHeight > scrollY_ + client.bottom) {
    ScrollTo(top + kCellHeight - client.bottom);
  }
}

void ThumbnailPane::UpdateScrollBar() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int content = doc_.pdf().PageCount() * kCellHeight;
  scrollY_ = std::clamp(scrollY_, 0, std::max(0, content - static_cast<int>(client.bottom)));
  SCROLLINFO info{sizeof info, SIF_ALL, 0, std::max(content - 1, 0),
                  static_cast<UINT>(client.bottom), scrollY_, 0};
  SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
}

void ThumbnailPane::ScrollTo(int position) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int content = doc_.pdf().PageCount() * kCellHeight;
  position = std::clamp(position, 0, std::max(0, content - static_cast<int>(client.bottom)));
  if (position == scrollY_) return;
  scrollY_ = position;
  SetScrollPos(hwnd_, SB_VERT, scrollY_, TRUE);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void ThumbnailPane::DropThumbnail(uint64_t object) {
  const auto found = thumbs_.find(object);
  if (found == thumbs_.end()) return;
  if (found->second.bitmap != nullptr) DeleteObject(found->second.bitmap);
  if (found->second.pending != 0) {
    doc_.renderer().Cancel(found->second.pending);
    pending_.erase(found->second.pending);
  }
  thumbs_.erase(found);
}

void ThumbnailPane::DropThumbnails() {
  for (auto& [object, thumb] : thumbs_) {
    if (thumb.bitmap != nullptr) DeleteObject(thumb.bitmap);
    if (thumb.pending != 0) doc_.renderer().Cancel(thumb.pending);
  }
  thumbs_.clear();
  pending_.clear();
}

void ThumbnailPane::DropPendingOutside(int first, int last) {
  std::vector<uint64_t> away;
  for (const auto& [ticket, object] : pending_) {
    const Thumb& thumb = thumbs_.at(object);
    if (thumb.page < first || thumb.page > last) away.push_back(object);
  }
  for (uint64_t object : away) DropThumbnail(object);
}

// Thumbnails are kept by page object, so pages moved on by an insertion keep theirs,
// and each is made again only when its page looks different.
const ThumbnailPane::Thumb& ThumbnailPane::Thumbnail(int page) {
  if (thumbs_.size() > kMaxCachedThumbs) DropThumbnails();
  const pdf::PageLook look = doc_.pdf().LookOf(page);
  auto found = thumbs_.find(look.object);
  if (found != thumbs_.end() && !(found->second.look == look)) {
    DropThumbnail(look.object);
    found = thumbs_.end();
  }
  if (found == thumbs_.end()) {
    Thumb thumb;
    thumb.look = look;
    thumb.page = page;
    thumb.width = kThumbBoxWidth;
    thumb.height = kThumbBoxHeight;
    double w = 0, h = 0;
    if (doc_.renderer().DisplayedSize(page, &w, &h)) {
      const double scale = std::min(kThumbBoxWidth / w, kThumbBoxHeight / h);
      thumb.width = std::max(1, static_cast<int>(w * scale));
      thumb.height = std::max(1, static_cast<int>(h * scale));
      thumb.pending = doc_.renderer().Request(page, scale, false, this);
      pending_.emplace(thumb.pending, look.object);
    }
    found = thumbs_.emplace(look.object, thumb).first;
  }
  return found->second;
}

void ThumbnailPane::PageRendered(pdf::RenderTicket ticket, pdf::RenderOutcome outcome,
                                 const pdf::RasterImage& image) {
  const auto object = pending_.find(ticket);
  if (object == pending_.end()) return;
  Thumb& thumb = thumbs_.at(object->second);
  pending_.erase(object);
  thumb.pending = 0;
  if (outcome == pdf::RenderOutcome::Drawn) {
    thumb.bitmap = BitmapFromRaster(image);
    thumb.width = image.width;
    thumb.height = image.height;
  }
  // The page may have moved since it was asked for: the cells in view are painted
  // again, and each paints only what it needs.
  Refresh();
}

void ThumbnailPane::PaintCell(HDC dc, int page, int top, int width) {
  const bool selected = doc_.IsThumbnailSelected(page);
  const bool current = doc_.pageView().page() == page;
  const Thumb& thumb = Thumbnail(page);
  const int thumbWidth = thumb.width, thumbHeight = thumb.height;
  const int x = (width - thumbWidth) / 2;
  const int y = top + 6 + (kThumbBoxHeight - thumbHeight) / 2;
  if (selected) {
    HBRUSH brush = CreateSolidBrush(kSelectionColour);
    RECT highlight{x - 5, y - 5, x + thumbWidth + 5, y + thumbHeight + 5};
    FillRect(dc, &highlight, brush);
    DeleteObject(brush);
  }
  RECT box{x, y, x + thumbWidth, y + thumbHeight};
  if (thumb.bitmap != nullptr) {
    DrawBitmap(dc, thumb.bitmap, x, y, thumbWidth, thumbHeight);
  } else if (thumb.pending != 0) {
    DrawPageBeingDrawn(dc, box);
  } else {
    DrawPageNotDrawn(dc, box);
  }
  RECT frame{x - 1, y - 1, x + thumbWidth + 1, y + thumbHeight + 1};
  FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(current ? BLACK_BRUSH : GRAY_BRUSH)));
  const std::string label = std::to_string(page + 1);
  RECT labelRect{0, top + kCellHeight - kLabelHeight - 4, width, top + kCellHeight - 4};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, selected ? kSelectionColour : RGB(0, 0, 0));
  DrawTextA(dc, label.c_str(), -1, &labelRect, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
}

// Only the cells that meet the area to paint are drawn and copied to the screen: a
// document being changed page by page repaints little.
void ThumbnailPane::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  if (scrollRangeStale_) {
    scrollRangeStale_ = false;
    UpdateScrollBar();
  }
  RECT client{};
  GetClientRect(hwnd_, &client);
  const RECT& area = ps.rcPaint;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP canvas = CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1),
                                          std::max<LONG>(client.bottom, 1));
  HGDIOBJ oldCanvas = SelectObject(memory, canvas);
  HGDIOBJ oldFont = SelectObject(memory, GetStockObject(DEFAULT_GUI_FONT));
  HBRUSH background = CreateSolidBrush(kPaneColour);
  FillRect(memory, &area, background);
  DeleteObject(background);
  const int count = doc_.pdf().PageCount();
  const int first = std::max<int>(0, (scrollY_ + static_cast<int>(area.top)) / kCellHeight);
  const int last = std::min(count - 1, (scrollY_ + static_cast<int>(area.bottom)) / kCellHeight);
  for (int page = first; page <= last; ++page) {
    PaintCell(memory, page, page * kCellHeight - scrollY_, client.right);
  }
  DropPendingOutside(scrollY_ / kCellHeight,
                     (scrollY_ + static_cast<int>(client.bottom)) / kCellHeight);
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory,
         area.left, area.top, SRCCOPY);
  SelectObject(memory, oldFont);
  SelectObject(memory, oldCanvas);
  DeleteObject(canvas);
  DeleteDC(memory);
  EndPaint(hwnd_, &ps);
}

}  // namespace viewer
