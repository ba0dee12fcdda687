// PDModel: documents and pages.
#include <algorithm>

#include "app/doc_window.h"
#include "core/fixed_math.h"
#include "core/host_error.h"
#include "host/acquired_pages.h"
#include "host/host_impl.h"
#include "host/object_refs.h"
#include "pdf/page_insertion.h"

namespace viewer::ops {
namespace {

using core::HostError;

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
  return host::AcquirePage(doc, host::CheckedModel(doc).Page(page).getObjectHandle());
}

void PDPageRelease_Impl(PDPage page) {
  if (page != nullptr) host::ReleasePage(page);
}

void PDPageGetMediaBox_Impl(PDPage page, ASFixedRect* box) {
  if (box == nullptr) throw HostError(kHostErrBadParameter);
  const host::PageInModel found = host::LocatePage(page);
  *box = ToFixedRect(found.model.MediaBox(found.index));
}

void PDPageGetCropBox_Impl(PDPage page, ASFixedRect* box) {
  if (box == nullptr) throw HostError(kHostErrBadParameter);
  const host::PageInModel found = host::LocatePage(page);
  *box = ToFixedRect(found.model.CropBox(found.index));
}

// The new page is handed out acquired, like PDDocAcquirePage's.
PDPage PDDocCreatePage_Impl(PDDoc doc, PDPageNumber afterPage, ASFixedRect mediaBox) {
  DocWindow* window = CheckedDocOfPDDoc(doc);
  const double left = core::FixedToDouble(mediaBox.left), right = core::FixedToDouble(mediaBox.right);
  const double top = core::FixedToDouble(mediaBox.top), bottom = core::FixedToDouble(mediaBox.bottom);
  const pdf::PageBox box{std::min(left, right), std::min(top, bottom), std::max(left, right),
                         std::max(top, bottom)};
  QPDFObjectHandle page = pdf::InsertEmptyPage(window->pdf(), afterPage, box);
  window->PageInserted(afterPage + 1);
  return host::AcquirePage(doc, page);
}

// No progress is reported: deleting pages takes no time worth showing.
void PDDocDeletePages_Impl(PDDoc doc, PDPageNumber firstPage, PDPageNumber lastPage,
                           PDProgressMonitor, void*) {
  DocWindow* window = CheckedDocOfPDDoc(doc);
  window->pdf().DeletePages(firstPage, lastPage);
  window->PagesDeleted(firstPage, lastPage - firstPage + 1);
}

PDPerms PDDocGetPermissions_Impl(PDDoc doc) { return host::CheckedModel(doc).Permissions(); }

}  // namespace viewer::ops
