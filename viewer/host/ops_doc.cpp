// AcroView, documents and page views: opening and closing, view modes, the
// thumbnail selection, and page-view navigation and geometry.
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "app/doc_window.h"
#include "core/atom_table.h"
#include "core/fixed_math.h"
#include "core/host_error.h"
#include "host/boundary.h"
#include "host/file_paths.h"
#include "host/host_impl.h"

namespace viewer::ops {
namespace {

using core::HostError;

const char kThumbnailSelection[] = "Thumbnail";

// Selection data of type "Thumbnail": 0-based pages in the order they were added.
// Handed to the plug-in as an opaque pointer and kept for the life of the viewer.
struct ThumbnailSelectionData {
  std::vector<int> pages;
};

std::vector<std::unique_ptr<ThumbnailSelectionData>>& SelectionData() {
  static std::vector<std::unique_ptr<ThumbnailSelectionData>> data;
  return data;
}

ThumbnailSelectionData* KnownSelection(void* data) {
  for (const auto& known : SelectionData()) {
    if (known.get() == data) return known.get();
  }
  return nullptr;
}

bool IsThumbnailType(ASAtom type) {
  const char* name = core::HostAtoms().GetString(type);
  return name != nullptr && std::strcmp(name, kThumbnailSelection) == 0;
}

ASAtom ThumbnailGetType() { return core::HostAtoms().FromString(kThumbnailSelection); }

void* ThumbnailAddToSelection(AVDoc doc, void* currentData, void* addData, ASBool highlight) {
  DocWindow* window = CheckedDoc(doc);
  const auto page = static_cast<int>(reinterpret_cast<intptr_t>(addData));
  if (page < 0 || page >= window->pdf().PageCount()) throw HostError(kHostErrBadPage);
  ThumbnailSelectionData* selection = KnownSelection(currentData);
  if (selection == nullptr) {
    SelectionData().push_back(std::make_unique<ThumbnailSelectionData>());
    selection = SelectionData().back().get();
  }
  selection->pages.push_back(page);
  if (highlight) window->SetThumbnailSelection(selection->pages);
  return selection;
}

void* ThumbnailRemoveFromSelection(AVDoc doc, void* currentData, void* removeData,
                                   ASBool highlight) {
  DocWindow* window = CheckedDoc(doc);
  ThumbnailSelectionData* selection = KnownSelection(currentData);
  if (selection == nullptr) return currentData;
  const auto page = static_cast<int>(reinterpret_cast<intptr_t>(removeData));
  std::erase(selection->pages, page);
  if (highlight) window->SetThumbnailSelection(selection->pages);
  return selection;
}

void ThumbnailShowSelection(AVDoc doc, void* data) {
  DocWindow* window = CheckedDoc(doc);
  if (ThumbnailSelectionData* selection = KnownSelection(data)) {
    window->SetThumbnailSelection(selection->pages);
  }
  window->ShowThumbnailSelection();
}

AVDocSelectionServerRec thumbnailServer{
    sizeof(AVDocSelectionServerRec),
    &host::Boundary<&ThumbnailGetType>::Call,
    &host::Boundary<&ThumbnailAddToSelection>::Call,
    &host::Boundary<&ThumbnailRemoveFromSelection>::Call,
    &host::Boundary<&ThumbnailShowSelection>::Call,
};

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

ASBool AVDocSetSelection_Impl(AVDoc doc, ASAtom type, void* data, ASBool) {
  DocWindow* window = CheckedDoc(doc);
  if (!IsThumbnailType(type)) throw HostError(kHostErrNotImplemented, "selection type");
  ThumbnailSelectionData* selection = KnownSelection(data);
  window->SetThumbnailSelection(selection != nullptr ? selection->pages : std::vector<int>{});
  return 1;
}

void AVDocShowSelection_Impl(AVDoc doc) { CheckedDoc(doc)->ShowThumbnailSelection(); }

AVDocSelectionServer AVDocGetSelectionServerByType_Impl(ASAtom type) {
  return IsThumbnailType(type) ? &thumbnailServer : nullptr;
}

PDPageNumber AVPageViewGetPageNum_Impl(AVPageView pageView) { return View(pageView).page(); }

void AVPageViewGetAperture_Impl(AVPageView pageView, AVRect* rect) {
  if (rect == nullptr) throw HostError(kHostErrBadParameter);
  *rect = View(pageView).Aperture();
}

void AVPageViewGoTo_Impl(AVPageView pageView, PDPageNumber page) {
  PageView& view = View(pageView);
  if (page < 0 || page >= view.doc().pdf().PageCount()) throw HostError(kHostErrBadPage);
  view.GoTo(page);
}

void AVPageViewDrawNow_Impl(AVPageView pageView) { View(pageView).DrawNow(); }

void AVPageViewPointToDevice_Impl(AVPageView pageView, const ASFixedPoint* point, AVDevCoord* x,
                                  AVDevCoord* y) {
  if (point == nullptr || x == nullptr || y == nullptr) throw HostError(kHostErrBadParameter);
  View(pageView).PageToDevice(core::FixedToDouble(point->h), core::FixedToDouble(point->v), x, y);
}

void AVPageViewDevicePointToPage_Impl(AVPageView pageView, AVDevCoord x, AVDevCoord y,
                                      ASFixedPoint* point) {
  if (point == nullptr) throw HostError(kHostErrBadParameter);
  double h = 0, v = 0;
  View(pageView).DeviceToPage(x, y, &h, &v);
  point->h = core::DoubleToFixed(h);
  point->v = core::DoubleToFixed(v);
}

}  // namespace viewer::ops
