// PDModel: documents and pages.
#include <memory>
#include <unordered_set>

#include "app/doc_window.h"
#include "core/fixed_math.h"
#include "core/host_error.h"
#include "host/host_impl.h"
#include "host/object_refs.h"

// An acquired page: the page object itself, so it stays the same page when pages are
// inserted or deleted before it.
struct _t_PDPage {
  PDDoc doc;
  QPDFObjectHandle object;
};

namespace viewer::ops {
namespace {

using core::HostError;

// Hashed: a plug-in may hold many pages at once, and every page call looks its page up.
std::unordered_set<PDPage>& AcquiredPages() {
  static std::unordered_set<PDPage> pages;
  return pages;
}

PDPage CheckedPage(PDPage page) {
  if (AcquiredPages().count(page) == 0) throw HostError(kHostErrBadParameter, "unknown page");
  return page;
}

struct PageInModel {
  pdf::PdfDocument& model;
  int index;
};

PageInModel Locate(PDPage page) {
  pdf::PdfDocument& model = host::CheckedModel(CheckedPage(page)->doc);
  const int index = model.PageIndexOf(page->object);
  if (index < 0) throw HostError(kHostErrBadPage, "page no longer in its document");
  return {model, index};
}

ASFixedRect ToFixedRect(const pdf::PageBox& box) {
  return ASFixedRect{core::DoubleToFixed(box.llx), core::DoubleToFixed(box.ury),
                     core::DoubleToFixed(box.urx), core::DoubleToFixed(box.lly)};
}

}  // namespace

CosDoc PDDocGetCosDoc_Impl(PDDoc doc) {
  return reinterpret_cast<CosDoc>(&host::CheckedModel(doc));
}

ASInt32 PDDocGetNumPages_Impl(PDDoc doc) { return host::CheckedModel(doc).PageCount(); }

PDPage PDDocAcquirePage_Impl(PDDoc doc, PDPageNumber page) {
  auto acquired = std::make_unique<_t_PDPage>();
  acquired->doc = doc;
  acquired->object = host::CheckedModel(doc).Page(page).getObjectHandle();
  AcquiredPages().insert(acquired.get());
  return acquired.release();
}

void PDPageRelease_Impl(PDPage page) {
  if (page == nullptr) return;
  AcquiredPages().erase(CheckedPage(page));
  delete page;
}

void PDPageGetMediaBox_Impl(PDPage page, ASFixedRect* box) {
  if (box == nullptr) throw HostError(kHostErrBadParameter);
  const PageInModel found = Locate(page);
  *box = ToFixedRect(found.model.MediaBox(found.index));
}

void PDPageGetCropBox_Impl(PDPage page, ASFixedRect* box) {
  if (box == nullptr) throw HostError(kHostErrBadParameter);
  const PageInModel found = Locate(page);
  *box = ToFixedRect(found.model.CropBox(found.index));
}

PDPerms PDDocGetPermissions_Impl(PDDoc doc) { return host::CheckedModel(doc).Permissions(); }

}  // namespace viewer::ops
