// AcroView, documents and page views: opening and closing, view modes, the
// thumbnail selection, and page-view navigation and geometry.
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/doc_window.h"
#include "core/atom_table.h"
#include "core/device_coords.h"
#include "core/fixed_math.h"
#include "core/host_error.h"
#include "host/boundary.h"
#include "host/file_paths.h"
#include "host/host_impl.h"

namespace viewer::ops {
namespace {

using core::HostError;

const char kThumbnailSelection[] = "Thumbnail";

// Selection data of type "Thumbnail" is a 0-based page index (-1: no page). The
// selection itself is the document window's list of selected pages, in the order they
// were added.
int PageOfData(void* data) { return static_cast<int>(reinterpret_cast<intptr_t>(data)); }

bool IsThumbnailType(ASAtom type) {
  const char* name = core::HostAtoms().GetString(type);
  return name != nullptr && std::strcmp(name, kThumbnailSelection) == 0;
}

// Plug-ins pass whatever their files name (a heading line gives -1, a number may lie
// past the end): what is not a page of the document selects nothing, and is no error.
bool IsPageOf(DocWindow* window, int page) { return page >= 0 && page < window->pdf().PageCount(); }

ASAtom ThumbnailGetType() { return core::HostAtoms().FromString(kThumbnailSelection); }

// The highlight flag only says whether to draw now; the pane is refreshed either way.
void* ThumbnailAddToSelection(AVDoc doc, void* currentData, void* addData, ASBool) {
  DocWindow* window = CheckedDoc(doc);
  const int page = PageOfData(addData);
  if (IsPageOf(window, page)) window->AddToThumbnailSelection(page);
  return currentData;
}

void* ThumbnailRemoveFromSelection(AVDoc doc, void* currentData, void* removeData, ASBool) {
  DocWindow* window = CheckedDoc(doc);
  std::vector<int> pages = window->thumbnailSelection();
  std::erase(pages, PageOfData(removeData));
  window->SetThumbnailSelection(std::move(pages));
  return currentData;
}

void ThumbnailShowSelection(AVDoc doc, void*) { CheckedDoc(doc)->ShowThumbnailSelection(); }

// The thumbnail selection changes only by its own calls: becoming or ceasing to be the
// document's selection asks nothing more of it.
void ThumbnailGettingOrLosingSelection(AVDoc doc, void*, ASBool) { CheckedDoc(doc); }

AVDocSelectionServerRec ThumbnailServer() {
  AVDocSelectionServerRec server{};
  server.size = sizeof server;
  server.GetType = &host::Boundary<&ThumbnailGetType>::Call;
  server.GettingSelection = &host::Boundary<&ThumbnailGettingOrLosingSelection>::Call;
  server.AddedToSelection = &host::Boundary<&ThumbnailAddToSelection>::Call;
  server.LosingSelection = &host::Boundary<&ThumbnailGettingOrLosingSelection>::Call;
  server.RemovedFromSelection = &host::Boundary<&ThumbnailRemoveFromSelection>::Call;
  server.ShowSelection = &host::Boundary<&ThumbnailShowSelection>::Call;
  return server;
}

AVDocSelectionServerRec thumbnailServer = ThumbnailServer();

PageView& View(AVPageView pageView) { return *CheckedPageView(pageView); }

}  // namespace

AVDoc AVDocOpenFromFile_Impl(ASPathName path, ASFileSys, const char* tempTitle) {
  const std::string unixPath = host::CheckedPath(path)->unixPath;
  try {
    return HandleOf(DocWindow::Open(unixPath, tempTitle != nullptr ? tempTitle : ""));
  } catch (const HostError& e) {
    std::fprintf(stderr, "viewer: cannot open %s: %s\n", unixPath.c_str(), e.what());
    return nullptr;
  }
}

// Closing never asks about saving: documents are written only by Save As.
ASBool AVDocClose_Impl(AVDoc doc, ASBool) {
  CheckedDoc(doc)->Close();
  return 1;
}

PDDoc AVDocGetPDDoc_Impl(AVDoc doc) { return PDDocOf(CheckedDoc(doc)); }

AVPageView AVDocGetPageView_Impl(AVDoc doc) {
  return reinterpret_cast<AVPageView>(&CheckedDoc(doc)->pageView());
}

void AVDocSetViewMode_Impl(AVDoc doc, PDPageMode mode) { CheckedDoc(doc)->SetViewMode(mode); }

// A page index makes that page the selection; -1, or any other index that is not a
// page of the document, clears it.
ASBool AVDocSetSelection_Impl(AVDoc doc, ASAtom type, void* data, ASBool) {
  DocWindow* window = CheckedDoc(doc);
  if (!IsThumbnailType(type)) throw HostError(kHostErrNotImplemented, "selection type");
  const int page = PageOfData(data);
  if (IsPageOf(window, page)) {
    window->SetThumbnailSelection({page});
  } else {
    window->SetThumbnailSelection({});
  }
  return 1;
}

void AVDocShowSelection_Impl(AVDoc doc) { CheckedDoc(doc)->ShowThumbnailSelection(); }

AVDocSelectionServer AVDocGetSelectionServerByType_Impl(ASAtom type) {
  return IsThumbnailType(type) ? &thumbnailServer : nullptr;
}

PDPageNumber AVPageViewGetPageNum_Impl(AVPageView pageView) { return View(pageView).page(); }

void AVPageViewSetColor_Impl(AVPageView pageView, PDColorValue color) {
  if (color == nullptr) throw HostError(kHostErrBadParameter);
  View(pageView).SetDrawColour(static_cast<COLORREF>(core::DeviceColour(*color)));
}

void AVPageViewGoTo_Impl(AVPageView pageView, PDPageNumber page) {
  PageView& view = View(pageView);
  if (page < 0 || page >= view.doc().pdf().PageCount()) throw HostError(kHostErrBadPage);
  view.GoTo(page);
}

void AVPageViewDrawNow_Impl(AVPageView pageView) { View(pageView).DrawNow(); }

void AVPageViewDrawRect_Impl(AVPageView pageView, const oldAVRect* rect) {
  if (rect == nullptr) throw HostError(kHostErrBadParameter);
  View(pageView).DrawRect(RECT{rect->left, rect->top, rect->right, rect->bottom});
}

void AVPageViewPointToDevice_Impl(AVPageView pageView, const ASFixedPoint* point, ASInt16* x,
                                  ASInt16* y) {
  if (point == nullptr || x == nullptr || y == nullptr) throw HostError(kHostErrBadParameter);
  int dx = 0, dy = 0;
  View(pageView).PageToDevice(core::FixedToDouble(point->h), core::FixedToDouble(point->v), &dx, &dy);
  *x = core::ToDevCoord16(dx);
  *y = core::ToDevCoord16(dy);
}

}  // namespace viewer::ops
