#include "host/acquired_pages.h"

#include <memory>
#include <unordered_set>

#include "core/host_error.h"
#include "host/object_refs.h"

namespace viewer::host {
namespace {

// Hashed: a plug-in may hold many pages at once, and every page call looks its page up.
std::unordered_set<PDPage>& AcquiredPages() {
  static std::unordered_set<PDPage> pages;
  return pages;
}

}  // namespace

PDPage AcquirePage(PDDoc doc, QPDFObjectHandle object) {
  auto acquired = std::make_unique<_t_PDPage>();
  acquired->doc = doc;
  acquired->object = object;
  AcquiredPages().insert(acquired.get());
  return acquired.release();
}

PDPage CheckedPage(PDPage page) {
  if (AcquiredPages().count(page) == 0) {
    throw core::HostError(kHostErrBadParameter, "unknown page");
  }
  return page;
}

void ReleasePage(PDPage page) {
  AcquiredPages().erase(CheckedPage(page));
  delete page;
}

size_t AcquiredPageCount() { return AcquiredPages().size(); }

PageInModel LocatePage(PDPage page) {
  pdf::PdfDocument& model = CheckedModel(CheckedPage(page)->doc);
  const int index = model.PageIndexOf(page->object);
  if (index < 0) throw core::HostError(kHostErrBadPage, "page no longer in its document");
  return {model, index};
}

}  // namespace viewer::host
