// The thumbnails pane of a document window: small renderings of every page, one
// under the other, with the thumbnail selection highlighted. The pages in view are
// rendered on the document's render thread; each shows that it is being drawn until
// then, or that it could not be drawn.
#pragma once

#include <windows.h>

#include <cstdint>
#include <unordered_map>

#include "pdf/page_renderer.h"
#include "pdf/pdf_document.h"

namespace viewer {

class DocWindow;

class ThumbnailPane : public pdf::RenderClient {
 public:
  static constexpr int kWidth = 150;

  explicit ThumbnailPane(DocWindow& doc) : doc_(doc) {}
  ~ThumbnailPane();
  ThumbnailPane(const ThumbnailPane&) = delete;
  ThumbnailPane& operator=(const ThumbnailPane&) = delete;

  static bool RegisterWindowClass(HINSTANCE instance);
  HWND Create(HWND parent);
  HWND hwnd() const { return hwnd_; }

  // Repaints after the selection or the current page changed.
  void Refresh();
  // The pages from index on are others now (a page was inserted there): the scroll
  // range follows at the next paint, and the cells in view from index on are painted.
  void PagesChangedFrom(int index);
  // Repaints one page's cell, when it is in view (a page added to the selection).
  void RefreshPage(int page);
  // Scrolls so page (0-based) is in view.
  void ScrollToPage(int page);

  void PageRendered(pdf::RenderTicket ticket, pdf::RenderOutcome outcome,
                    const pdf::RasterImage& image) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void PaintCell(HDC dc, int page, int top, int width);
  struct Thumb;
  const Thumb& Thumbnail(int page);
  void DropThumbnail(uint64_t object);
  void DropThumbnails();
  // Renderings asked for pages no longer in view are not waited for.
  void DropPendingOutside(int first, int last);
  void UpdateScrollBar();
  void ScrollTo(int position);

  struct Thumb {
    pdf::PageLook look;
    HBITMAP bitmap = nullptr;  // null until drawn, or when the page cannot be drawn
    int width = 0, height = 0;
    int page = 0;                  // where the page was when asked for
    pdf::RenderTicket pending = 0;  // the rendering on its way
  };

  DocWindow& doc_;
  HWND hwnd_ = nullptr;
  int scrollY_ = 0;
  bool scrollRangeStale_ = false;
  std::unordered_map<uint64_t, Thumb> thumbs_;  // by page object
  std::unordered_map<pdf::RenderTicket, uint64_t> pending_;  // ticket -> page object
};

}  // namespace viewer
