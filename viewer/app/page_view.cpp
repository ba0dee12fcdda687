#include "app/page_view.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "app/doc_window.h"
#include "app/guarded.h"
#include "app/raster_bitmap.h"
#include "app/registrations.h"
#include "pdf/page_renderer.h"
#include "pdf/pdf_document.h"
#include "render/render_activity.h"

namespace viewer {
namespace {

const char kClassName[] = "ViewerPageView";
constexpr int kMargin = 12;
constexpr double kScreenPixelsPerPoint = 96.0 / 72.0;
constexpr double kMinZoom = 0.1, kMaxZoom = 8.0, kZoomStep = 1.25;
constexpr int kLineStep = 40;

}  // namespace

PageView::~PageView() {
  if (pending_ != 0) doc_.renderer().Cancel(pending_);
  if (rendered_ != nullptr) DeleteObject(rendered_);
}

bool PageView::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  return RegisterClassA(&wc) != 0;
}

HWND PageView::Create(HWND parent) {
  hwnd_ = CreateWindowExA(WS_EX_CLIENTEDGE, kClassName, nullptr,
                          WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | WS_TABSTOP, 0, 0, 0,
                          0, parent, nullptr, GetModuleHandleA(nullptr), this);
  return hwnd_;
}

LRESULT CALLBACK PageView::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    static_cast<PageView*>(create->lpCreateParams)->hwnd_ = hwnd;
  }
  auto* view = reinterpret_cast<PageView*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (view == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    view->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  return Guarded([&] { return view->Handle(message, wParam, lParam); });
}

LRESULT PageView::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      // From before the paint validates the window until the page is asked for, the
      // script runner sees drawing under way.
      render::PaintActivity painting;
      Paint();
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // Paint fills everything
    case WM_SIZE:
      UpdateScrollBars();
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd_);
      return 0;
    case WM_VSCROLL:
      Scroll(SB_VERT, LOWORD(wParam));
      return 0;
    case WM_HSCROLL:
      Scroll(SB_HORZ, LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      ScrollTo(SB_VERT, scrollY_ - GET_WHEEL_DELTA_WPARAM(wParam) * kLineStep / WHEEL_DELTA);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      switch (wParam) {
        case VK_NEXT: GoTo(page_ + 1); return 0;
        case VK_PRIOR: GoTo(page_ - 1); return 0;
        case VK_HOME: GoTo(0); return 0;
        case VK_END: GoTo(doc_.pdf().PageCount() - 1); return 0;
        case VK_DOWN: Scroll(SB_VERT, SB_LINEDOWN); return 0;
        case VK_UP: Scroll(SB_VERT, SB_LINEUP); return 0;
        case VK_RIGHT: Scroll(SB_HORZ, SB_LINEDOWN); return 0;
        case VK_LEFT: Scroll(SB_HORZ, SB_LINEUP); return 0;
        default: break;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void PageView::GoTo(int page) {
  const int count = doc_.pdf().PageCount();
  const int clamped = std::clamp(page, 0, std::max(count - 1, 0));
  if (clamped == page_) return;
  page_ = clamped;
  scrollY_ = 0;
  UpdateScrollBars();
  InvalidateRect(hwnd_, nullptr, FALSE);
  doc_.CurrentPageChanged();
}

void PageView::PageGone(int page) {
  page_ = std::clamp(page, 0, std::max(doc_.pdf().PageCount() - 1, 0));
  scrollY_ = 0;
  UpdateScrollBars();
  InvalidateRect(hwnd_, nullptr, FALSE);
  doc_.CurrentPageChanged();
}

void PageView::DrawNow() {
  if (hwnd_ == nullptr) return;
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void PageView::SetZoom(double zoom) {
  fitPage_ = false;
  zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
  UpdateScrollBars();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void PageView::ZoomIn() { SetZoom(Scale() / kScreenPixelsPerPoint * kZoomStep); }
void PageView::ZoomOut() { SetZoom(Scale() / kScreenPixelsPerPoint / kZoomStep); }

void PageView::FitPage() {
  fitPage_ = true;
  scrollX_ = scrollY_ = 0;
  UpdateScrollBars();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

double PageView::Scale() const {
  if (!fitPage_) return zoom_ * kScreenPixelsPerPoint;
  RECT client{};
  GetClientRect(hwnd_, &client);
  const double width = std::max<LONG>(client.right - 2 * kMargin, 16);
  const double height = std::max<LONG>(client.bottom - 2 * kMargin, 16);
  return std::min(width / pageWidth_, height / pageHeight_);
}

void PageView::EnsureRendered() {
  auto& renderer = doc_.renderer();
  if (page_ >= doc_.pdf().PageCount()) return;
  double width = 0, height = 0;
  if (renderer.DisplayedSize(page_, &width, &height)) {
    pageWidth_ = width;
    pageHeight_ = height;
  }
  const double scale = Scale();
  // A page keeps its rendering while it looks the same, wherever it moves.
  const pdf::PageLook look = doc_.pdf().LookOf(page_);
  const auto sameScale = [scale](double other) { return std::abs(other - scale) < 1e-6; };
  if (haveRendering_ && renderedLook_ == look && sameScale(renderedScale_)) {
    if (pending_ != 0) renderer.Cancel(pending_);
    pending_ = 0;
    return;
  }
  if (pending_ != 0 && pendingLook_ == look && sameScale(pendingScale_)) return;
  if (pending_ != 0) renderer.Cancel(pending_);
  pendingLook_ = look;
  pendingScale_ = scale;
  pending_ = renderer.Request(page_, scale, true, this);
}

void PageView::PageRendered(pdf::RenderTicket ticket, pdf::RenderOutcome outcome,
                            const pdf::RasterImage& image) {
  if (ticket != pending_) return;
  pending_ = 0;
  if (rendered_ != nullptr) DeleteObject(rendered_);
  rendered_ = outcome == pdf::RenderOutcome::Drawn ? BitmapFromRaster(image) : nullptr;
  renderedWidth_ = image.width;
  renderedHeight_ = image.height;
  renderedLook_ = pendingLook_;
  renderedScale_ = pendingScale_;
  haveRendering_ = true;
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

void PageView::UpdateScrollBars() {
  if (hwnd_ == nullptr) return;
  RECT client{};
  GetClientRect(hwnd_, &client);
  const double scale = Scale();
  const int contentWidth = static_cast<int>(pageWidth_ * scale) + 2 * kMargin;
  const int contentHeight = static_cast<int>(pageHeight_ * scale) + 2 * kMargin;
  scrollX_ = std::clamp(scrollX_, 0, std::max(0, contentWidth - static_cast<int>(client.right)));
  scrollY_ = std::clamp(scrollY_, 0, std::max(0, contentHeight - static_cast<int>(client.bottom)));
  const ScrollBarState wanted{contentWidth, contentHeight, static_cast<int>(client.right),
                              static_cast<int>(client.bottom), scrollX_, scrollY_};
  if (wanted == scrollBars_) return;
  scrollBars_ = wanted;
  SCROLLINFO info{sizeof info, SIF_ALL | SIF_DISABLENOSCROLL, 0, contentWidth - 1,
                  static_cast<UINT>(client.right), scrollX_, 0};
  SetScrollInfo(hwnd_, SB_HORZ, &info, TRUE);
  info.nMax = contentHeight - 1;
  info.nPage = static_cast<UINT>(client.bottom);
  info.nPos = scrollY_;
  SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
}

void PageView::Scroll(int bar, int code) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(hwnd_, bar, &info);
  const int position = bar == SB_VERT ? scrollY_ : scrollX_;
  switch (code) {
    case SB_LINEUP: ScrollTo(bar, position - kLineStep); break;
    case SB_LINEDOWN: ScrollTo(bar, position + kLineStep); break;
    case SB_PAGEUP: ScrollTo(bar, position - static_cast<int>(info.nPage)); break;
    case SB_PAGEDOWN: ScrollTo(bar, position + static_cast<int>(info.nPage)); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollTo(bar, info.nTrackPos); break;
    case SB_TOP: ScrollTo(bar, 0); break;
    case SB_BOTTOM: ScrollTo(bar, info.nMax); break;
    default: break;
  }
}

void PageView::ScrollTo(int bar, int target) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(hwnd_, bar, &info);
  int& position = bar == SB_VERT ? scrollY_ : scrollX_;
  const int maxPosition = std::max(0, info.nMax + 1 - static_cast<int>(info.nPage));
  target = std::clamp(target, 0, maxPosition);
  if (target == position) return;
  position = target;
  (bar == SB_VERT ? scrollBars_.y : scrollBars_.x) = position;
  SetScrollPos(hwnd_, bar, position, TRUE);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void PageView::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client{};
  GetClientRect(hwnd_, &client);
  EnsureRendered();
  UpdateScrollBars();

  // Draw off screen so the page does not flicker.
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP canvas = CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1),
                                          std::max<LONG>(client.bottom, 1));
  HGDIOBJ oldCanvas = SelectObject(memory, canvas);
  HBRUSH background = CreateSolidBrush(RGB(128, 128, 128));
  FillRect(memory, &client, background);
  DeleteObject(background);

  const double scale = Scale();
  // What was rendered for the page as it looks now, if anything has come yet.
  const bool current = haveRendering_ && pending_ == 0;
  const bool drawn = current && rendered_ != nullptr;
  const int width = drawn ? renderedWidth_ : static_cast<int>(pageWidth_ * scale);
  const int height = drawn ? renderedHeight_ : static_cast<int>(pageHeight_ * scale);
  originX_ = width + 2 * kMargin <= client.right ? (client.right - width) / 2 : kMargin - scrollX_;
  originY_ = height + 2 * kMargin <= client.bottom ? (client.bottom - height) / 2 : kMargin - scrollY_;
  RECT shadow{originX_ + 3, originY_ + 3, originX_ + width + 3, originY_ + height + 3};
  FillRect(memory, &shadow, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  RECT page{originX_, originY_, originX_ + width, originY_ + height};
  if (drawn) {
    DrawBitmap(memory, rendered_, originX_, originY_, width, height);
  } else if (current) {
    DrawPageNotDrawn(memory, page);
  } else {
    DrawPageBeingDrawn(memory, page);
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, oldCanvas);
  DeleteObject(canvas);
  DeleteDC(memory);
  EndPaint(hwnd_, &ps);

  CallPageViewDrawProcs(reinterpret_cast<AVPageView>(this), ps.rcPaint);
}


// Page space is the crop box in points, y upwards; pages with /Rotate are mapped as if
// unrotated.
void PageView::PageToDevice(double x, double y, int* dx, int* dy) const {
  const pdf::PageBox crop = doc_.pdf().CropBox(page_);
  const double scale = Scale();
  *dx = originX_ + static_cast<int>(std::lround((x - crop.llx) * scale));
  *dy = originY_ + static_cast<int>(std::lround((crop.ury - y) * scale));
}

void PageView::DrawRect(const RECT& rect) {
  if (hwnd_ == nullptr) return;
  HDC dc = GetDC(hwnd_);
  HBRUSH brush = CreateSolidBrush(drawColour_);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
  ReleaseDC(hwnd_, dc);
}

}  // namespace viewer
