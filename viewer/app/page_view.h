// The page view of a document window (an AVPageView): the current page rendered by
// poppler on the document's render thread, with zoom, scrolling and page keys. Until
// the page is drawn the view shows that it is being drawn, and a page that cannot be
// drawn says so.
#pragma once

#include <windows.h>

#include "host_types.h"
#include "pdf/page_renderer.h"
#include "pdf/pdf_document.h"

namespace viewer {

class DocWindow;

class PageView : public pdf::RenderClient {
 public:
  explicit PageView(DocWindow& doc) : doc_(doc) {}
  ~PageView();
  PageView(const PageView&) = delete;
  PageView& operator=(const PageView&) = delete;

  static bool RegisterWindowClass(HINSTANCE instance);
  HWND Create(HWND parent);
  HWND hwnd() const { return hwnd_; }
  DocWindow& doc() { return doc_; }

  int page() const { return page_; }  // 0-based
  // Shows page (clamped to the document).
  void GoTo(int page);
  // The page shown now has the index page, after pages were inserted before it: the
  // view stays as it is.
  void PageMoved(int page) { page_ = page; }
  // The page shown now was deleted: page (clamped to the document) takes its place.
  void PageGone(int page);
  // Paints at once, rendering the page again if the document changed.
  void DrawNow();

  void ZoomIn();
  void ZoomOut();
  void FitPage();

  // From page space (points) to the view's device pixels.
  void PageToDevice(double x, double y, int* dx, int* dy) const;
  // Plug-ins' drawing over the page: the colour of later rectangles, and a rectangle
  // (device pixels) filled with it now; the next paint covers it again.
  void SetDrawColour(COLORREF colour) { drawColour_ = colour; }
  void DrawRect(const RECT& rect);

  void PageRendered(pdf::RenderTicket ticket, pdf::RenderOutcome outcome,
                    const pdf::RasterImage& image) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void EnsureRendered();
  double Scale() const;
  void UpdateScrollBars();
  void Scroll(int bar, int code);
  void ScrollTo(int bar, int position);
  void SetZoom(double zoom);

  DocWindow& doc_;
  HWND hwnd_ = nullptr;
  int page_ = 0;
  bool fitPage_ = true;
  double zoom_ = 1.0;          // when not fitting: 1.0 shows a page at its printed size
  int scrollX_ = 0, scrollY_ = 0;
  // What the scroll bars were last given: each paint asks again, and setting them
  // unchanged still costs Wine a redraw of both bars.
  struct ScrollBarState {
    int contentWidth = -1, contentHeight = -1, clientWidth = -1, clientHeight = -1;
    int x = -1, y = -1;
    bool operator==(const ScrollBarState&) const = default;
  };
  ScrollBarState scrollBars_;
  // Geometry of the shown page.
  double pageWidth_ = 612, pageHeight_ = 792;  // points, as displayed
  int originX_ = 0, originY_ = 0;              // device position of the page's top left
  COLORREF drawColour_ = RGB(0, 0, 0);
  // The rendered page, kept while the page and the scale stay the same; a page that
  // could not be drawn is kept as such (rendered_ null), so it is not asked for again.
  bool haveRendering_ = false;
  HBITMAP rendered_ = nullptr;
  int renderedWidth_ = 0, renderedHeight_ = 0;
  pdf::PageLook renderedLook_;
  double renderedScale_ = 0;
  // The rendering asked for and not yet come.
  pdf::RenderTicket pending_ = 0;
  pdf::PageLook pendingLook_;
  double pendingScale_ = 0;
};

}  // namespace viewer
