// The thumbnails pane of a document window: small renderings of every page, one
// under the other, with the thumbnail selection highlighted.
#pragma once

#include <windows.h>

#include <cstdint>
#include <unordered_map>

#include "pdf/pdf_document.h"

namespace viewer {

class DocWindow;

class ThumbnailPane {
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

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void PaintCell(HDC dc, int page, int top, int width);
  HBITMAP Thumbnail(int page, int* width, int* height);
  void DropThumbnails();
  void UpdateScrollBar();
  void ScrollTo(int position);

  struct Thumb {
    pdf::PageLook look;
    HBITMAP bitmap = nullptr;
    int width = 0, height = 0;
  };

  DocWindow& doc_;
  HWND hwnd_ = nullptr;
  int scrollY_ = 0;
  bool scrollRangeStale_ = false;
  std::unordered_map<uint64_t, Thumb> thumbs_;  // by page object
};

}  // namespace viewer
