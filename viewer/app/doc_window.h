// A document window (an AVDoc): one MDI child per open PDF, holding the document
// model (the PDDoc), its page view and its thumbnails pane.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "app/page_view.h"
#include "app/thumbnail_pane.h"
#include "host_types.h"
#include "pdf/page_renderer.h"
#include "pdf/pdf_document.h"

namespace viewer {

class DocWindow {
 public:
  static bool RegisterWindowClasses(HINSTANCE instance);

  // Opens unixPath in a new document window, which becomes active. title (may be
  // empty) replaces the file name as the window title. Throws core::HostError.
  static DocWindow* Open(const std::string& unixPath, const std::string& title);

  HWND hwnd() const { return hwnd_; }
  pdf::PdfDocument& pdf() { return *pdf_; }
  pdf::PageRenderer& renderer() { return *renderer_; }
  PageView& pageView() { return pageView_; }
  ThumbnailPane& thumbnails() { return thumbnails_; }

  // PDUseThumbs opens the thumbnails pane; PDUseNone and PDUseBookmarks close it;
  // PDDontCare leaves it as it is.
  void SetViewMode(PDPageMode mode);
  bool thumbnailsShown() const { return thumbnailsShown_; }

  // 0-based pages, in selection order.
  const std::vector<int>& thumbnailSelection() const { return thumbnailSelection_; }
  void SetThumbnailSelection(std::vector<int> pages);
  // Adds a page at the end of the selection, unless it is selected already.
  void AddToThumbnailSelection(int page);
  bool IsThumbnailSelected(int page) const { return thumbnailSelected_.count(page) != 0; }
  // Brings the first selected thumbnail into view.
  void ShowThumbnailSelection();

  // The page view moved to another page.
  void CurrentPageChanged();
  // The document model changed: views render again.
  void DocumentChanged();
  // A page was inserted at index (0-based): the page view keeps to its page, which
  // moved one on, and only the thumbnails from index on are painted again. The
  // thumbnail selection is of page numbers and stays as it is: whoever inserts pages
  // selects the ones it wants.
  void PageInserted(int index);
  // count pages from first on were deleted: the page view keeps to its page, which
  // moved back, or shows the page that took the place of a deleted one; deleted pages
  // leave the thumbnail selection and the later ones in it move back with their pages;
  // the thumbnails from first on are painted again.
  void PagesDeleted(int first, int count);
  // The content of the page at index changed (the model has marked the page): only
  // the views that show that page render again.
  void PageContentChanged(int index);
  // Other layers are shown now: views render again.
  void LayersChanged();

  // Closes the window; the object is gone afterwards.
  void Close();

  // Reads a slice of some open document's objects ahead, while the viewer's own loop
  // has nothing else to do; false once every document is read.
  static bool ReadAheadWhileIdle();

 private:
  DocWindow();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Layout();

  HWND hwnd_ = nullptr;
  std::unique_ptr<pdf::PdfDocument> pdf_;
  std::unique_ptr<pdf::PageRenderer> renderer_;
  PageView pageView_;
  ThumbnailPane thumbnails_;
  bool thumbnailsShown_ = false;
  bool readAhead_ = false;  // every object read
  std::vector<int> thumbnailSelection_;
  // The same pages, to answer "is it selected" at once in selections of thousands.
  std::unordered_set<int> thumbnailSelected_;
};

// The document of the active document window, or null.
DocWindow* ActiveDocWindow();
// Every open document window, oldest first.
const std::vector<DocWindow*>& OpenDocWindows();
// Throws core::HostError(kHostErrBadParameter) unless doc is an open document window.
DocWindow* CheckedDoc(AVDoc doc);
// The open document window holding pdDoc; throws core::HostError(kHostErrBadParameter).
DocWindow* CheckedDocOfPDDoc(PDDoc pdDoc);
// The page view of an open document window; throws core::HostError(kHostErrBadParameter).
PageView* CheckedPageView(AVPageView view);

inline AVDoc HandleOf(DocWindow* doc) { return reinterpret_cast<AVDoc>(doc); }
inline PDDoc PDDocOf(DocWindow* doc) { return reinterpret_cast<PDDoc>(&doc->pdf()); }

}  // namespace viewer
