// PagePDEContent and PDFEditWrite's content calls: a page's content is its existing
// content followed by the elements added to it; setting it writes the added elements
// into the page as one new content stream.
#include <map>
#include <memory>
#include <tuple>

#include "app/doc_window.h"
#include "core/host_error.h"
#include "host/acquired_pages.h"
#include "host/host_impl.h"
#include "pdf/page_content.h"
#include "pdf/pde_handles.h"

namespace viewer::ops {
namespace {

using core::HostError;
using pdf::HostElements;

// PDEContentAddElem's index for "after the last element".
constexpr ASInt32 kAfterLast = 0x7FFFFFFE;

// Acquiring a page's content twice gives the same content, counted twice.
using PageKey = std::tuple<uint32_t, int, int>;  // document serial, object, generation
std::map<PageKey, PDEContent>& ContentsByPage() {
  static std::map<PageKey, PDEContent> contents;
  return contents;
}

PageKey KeyOf(pdf::PdfDocument& model, PDPage page) {
  const QPDFObjGen og = page->object.getObjGen();
  return {model.serial(), og.getObj(), og.getGen()};
}

// The page's acquired content, or null.
PDEContent AcquiredContent(const PageKey& key) {
  auto& contents = ContentsByPage();
  const auto found = contents.find(key);
  if (found == contents.end()) return nullptr;
  if (HostElements().Find(found->second) == nullptr) {  // released through PDERelease
    contents.erase(found);
    return nullptr;
  }
  return found->second;
}

PDEContent CheckedAcquiredContent(const PageKey& key) {
  PDEContent content = AcquiredContent(key);
  if (content == nullptr) throw HostError(kHostErrBadParameter, "the page's content is not acquired");
  return content;
}

}  // namespace

PDEContent PDPageAcquirePDEContent_Impl(PDPage page, ASExtension) {
  const host::PageInModel found = host::LocatePage(page);
  const PageKey key = KeyOf(found.model, page);
  if (PDEContent content = AcquiredContent(key)) {
    HostElements().Retain(content);
    return content;
  }
  PDEContent content =
      HostElements().Add(std::make_shared<pdf::PageContent>(found.model, page->object));
  ContentsByPage()[key] = content;
  return content;
}

void PDEContentAddElem_Impl(PDEContent content, ASInt32 addAfterIndex, PDEElement element) {
  auto pageContent = HostElements().Checked<pdf::PageContent>(content);
  if (addAfterIndex != kAfterLast) {
    throw HostError(kHostErrNotImplemented, "elements are only added after the last");
  }
  auto added = HostElements().Find(element);
  if (added == nullptr) throw HostError(kHostErrBadParameter, "not a live element");
  pageContent->Append(std::move(added));
}

ASBool PDPageSetPDEContent_Impl(PDPage page, ASExtension) {
  const host::PageInModel found = host::LocatePage(page);
  auto pageContent = HostElements().Checked<pdf::PageContent>(CheckedAcquiredContent(KeyOf(found.model, page)));
  if (pageContent->Write()) CheckedDocOfPDDoc(page->doc)->PageContentChanged(found.index);
  return 1;
}

ASInt32 PDPageReleasePDEContent_Impl(PDPage page, ASExtension) {
  const host::PageInModel found = host::LocatePage(page);
  const PageKey key = KeyOf(found.model, page);
  const int left = HostElements().Release(CheckedAcquiredContent(key));
  if (left == 0) ContentsByPage().erase(key);
  return left;
}

}  // namespace viewer::ops
