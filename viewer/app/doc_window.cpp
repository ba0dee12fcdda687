#include "app/doc_window.h"

#include <algorithm>

#include "app/guarded.h"
#include "app/host_toolbar.h"
#include "app/main_frame.h"
#include "core/host_error.h"
#include "core/unix_files.h"
#include "host/word_handles.h"

namespace viewer {
namespace {

const char kClassName[] = "ViewerDocument";

std::vector<DocWindow*>& LiveDocs() {
  static std::vector<DocWindow*> docs;
  return docs;
}

// The document's objects are read ahead in slices this short, so input never waits long.
constexpr int kReadAheadSliceMs = 15;

}  // namespace

DocWindow::DocWindow() : pageView_(*this), thumbnails_(*this) {}

bool DocWindow::RegisterWindowClasses(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  return RegisterClassA(&wc) != 0 && PageView::RegisterWindowClass(instance) &&
         ThumbnailPane::RegisterWindowClass(instance);
}

DocWindow* DocWindow::Open(const std::string& unixPath, const std::string& title) {
  std::unique_ptr<DocWindow> doc(new DocWindow);
  doc->pdf_ = pdf::PdfDocument::Open(unixPath);
  doc->renderer_ = std::make_unique<pdf::PageRenderer>(*doc->pdf_);
  const std::string caption =
      title.empty() ? core::FileNameOf(unixPath) : title;
  // From its first message on, the window owns the object and deletes it when destroyed.
  DocWindow* opened = doc.release();
  HWND hwnd = CreateMDIWindowA(kClassName, caption.c_str(),
                               WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | WS_MAXIMIZE,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               MdiClientWindow(), GetModuleHandleA(nullptr),
                               reinterpret_cast<LPARAM>(opened));
  if (hwnd == nullptr) {
    if (opened->hwnd_ == nullptr) delete opened;
    throw core::HostError(kHostErrGeneral, "cannot create document window");
  }
  SendMessageA(MdiClientWindow(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd), 0);
  // Drawn now, as it opens: its first paint (which also asks for the page's rendering)
  // is not left to whichever loop runs next, a plug-in's command among them.
  UpdateWindow(hwnd);
  Toolbar().UpdateEnabled();
  return opened;
}

LRESULT CALLBACK DocWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* mdi = static_cast<MDICREATESTRUCTA*>(create->lpCreateParams);
    auto* doc = reinterpret_cast<DocWindow*>(mdi->lParam);
    doc->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(doc));
    LiveDocs().push_back(doc);
  }
  auto* doc = reinterpret_cast<DocWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (doc == nullptr) return DefMDIChildProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    auto& docs = LiveDocs();
    docs.erase(std::remove(docs.begin(), docs.end(), doc), docs.end());
    // The plug-in never frees its word finders; they and their fonts go with the document.
    host::DropWordFinders(doc->pdf().serial());
    delete doc;
    Toolbar().UpdateEnabled();
    return DefMDIChildProcA(hwnd, message, wParam, lParam);
  }
  return Guarded([&] { return doc->Handle(message, wParam, lParam); });
}

LRESULT DocWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      pageView_.Create(hwnd_);
      thumbnails_.Create(hwnd_);
      break;
    case WM_SIZE:
      Layout();
      break;  // DefMDIChildProc must see it too
    case WM_SETFOCUS:
      if (pageView_.hwnd() != nullptr) SetFocus(pageView_.hwnd());
      return 0;
    case WM_MDIACTIVATE:
      Toolbar().UpdateEnabled();
      break;
    default:
      break;
  }
  return DefMDIChildProcA(hwnd_, message, wParam, lParam);
}

bool DocWindow::ReadAheadWhileIdle() {
  for (DocWindow* doc : LiveDocs()) {
    if (doc->readAhead_) continue;
    doc->readAhead_ = doc->pdf_->ReadAhead(kReadAheadSliceMs);
    return true;
  }
  return false;
}

void DocWindow::Layout() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int paneWidth = thumbnailsShown_ ? ThumbnailPane::kWidth : 0;
  if (thumbnails_.hwnd() != nullptr) {
    MoveWindow(thumbnails_.hwnd(), 0, 0, paneWidth, client.bottom, TRUE);
    ShowWindow(thumbnails_.hwnd(), thumbnailsShown_ ? SW_SHOW : SW_HIDE);
  }
  if (pageView_.hwnd() != nullptr) {
    MoveWindow(pageView_.hwnd(), paneWidth, 0, client.right - paneWidth, client.bottom, TRUE);
  }
}

void DocWindow::SetViewMode(PDPageMode mode) {
  if (mode == PDDontCare) return;
  const bool show = mode == PDUseThumbs;
  if (show == thumbnailsShown_) return;
  thumbnailsShown_ = show;
  Layout();
  if (show) thumbnails_.ScrollToPage(pageView_.page());
}

void DocWindow::SetThumbnailSelection(std::vector<int> pages) {
  thumbnailSelection_.clear();
  thumbnailSelected_.clear();
  for (int page : pages) {
    if (thumbnailSelected_.insert(page).second) thumbnailSelection_.push_back(page);
  }
  thumbnails_.Refresh();
}

void DocWindow::AddToThumbnailSelection(int page) {
  if (!thumbnailSelected_.insert(page).second) return;
  thumbnailSelection_.push_back(page);
  thumbnails_.RefreshPage(page);
}

void DocWindow::ShowThumbnailSelection() {
  if (!thumbnailSelection_.empty()) thumbnails_.ScrollToPage(thumbnailSelection_.front());
  thumbnails_.Refresh();
}

void DocWindow::CurrentPageChanged() {
  thumbnails_.Refresh();
  if (thumbnailsShown_) thumbnails_.ScrollToPage(pageView_.page());
}

void DocWindow::DocumentChanged() {
  pdf_->MarkChanged();
  const int count = pdf_->PageCount();
  std::erase_if(thumbnailSelection_, [count](int page) { return page >= count; });
  std::erase_if(thumbnailSelected_, [count](int page) { return page >= count; });
  if (pageView_.page() >= count) pageView_.GoTo(count - 1);
  InvalidateRect(pageView_.hwnd(), nullptr, FALSE);
  thumbnails_.PagesChangedFrom(0);
}

void DocWindow::PageInserted(int index) {
  if (pageView_.page() >= index && pageView_.page() + 1 < pdf_->PageCount()) {
    pageView_.PageMoved(pageView_.page() + 1);
  }
  thumbnails_.PagesChangedFrom(index);
}

void DocWindow::PagesDeleted(int first, int count) {
  std::vector<int> selection;
  for (int page : thumbnailSelection_) {
    if (page < first) selection.push_back(page);
    if (page >= first + count) selection.push_back(page - count);
  }
  thumbnailSelection_.clear();
  thumbnailSelected_.clear();
  for (int page : selection) {
    if (thumbnailSelected_.insert(page).second) thumbnailSelection_.push_back(page);
  }
  const int current = pageView_.page();
  if (current >= first + count) {
    pageView_.PageMoved(current - count);
  } else if (current >= first) {
    pageView_.PageGone(first);
  }
  thumbnails_.PagesChangedFrom(first);
}

void DocWindow::PageContentChanged(int index) {
  if (pageView_.page() == index) InvalidateRect(pageView_.hwnd(), nullptr, FALSE);
  thumbnails_.RefreshPage(index);
}

void DocWindow::LayersChanged() {
  InvalidateRect(pageView_.hwnd(), nullptr, FALSE);
  thumbnails_.Refresh();
}

void DocWindow::Close() {
  SendMessageA(MdiClientWindow(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd_), 0);
}

DocWindow* ActiveDocWindow() {
  HWND client = MdiClientWindow();
  if (client == nullptr) return nullptr;
  HWND active = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
  if (active == nullptr) return nullptr;
  for (DocWindow* doc : LiveDocs()) {
    if (doc->hwnd() == active) return doc;
  }
  return nullptr;
}

const std::vector<DocWindow*>& OpenDocWindows() { return LiveDocs(); }

DocWindow* CheckedDoc(AVDoc handle) {
  auto* doc = reinterpret_cast<DocWindow*>(handle);
  for (DocWindow* live : LiveDocs()) {
    if (live == doc) return doc;
  }
  throw core::HostError(kHostErrBadParameter, "unknown document");
}

DocWindow* CheckedDocOfPDDoc(PDDoc pdDoc) {
  for (DocWindow* live : LiveDocs()) {
    if (PDDocOf(live) == pdDoc) return live;
  }
  throw core::HostError(kHostErrBadParameter, "unknown document model");
}

PageView* CheckedPageView(AVPageView handle) {
  for (DocWindow* live : LiveDocs()) {
    if (reinterpret_cast<AVPageView>(&live->pageView()) == handle) return &live->pageView();
  }
  throw core::HostError(kHostErrBadParameter, "unknown page view");
}

}  // namespace viewer
