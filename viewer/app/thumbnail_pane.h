// The thumbnails pane of a document window: small renderings of every page, one
// under the other, with the thumbnail selection highlighted.
#pragma once

#include <windows.h>

#include <map>

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
    HBITMAP bitmap = nullptr;
    int width = 0, height = 0;
  };

  DocWindow& doc_;
  HWND hwnd_ = nullptr;
  int scrollY_ = 0;
  std::map<int, Thumb> thumbs_;
  unsigned thumbsRevision_ = 0;
};

}  // namespace viewer
