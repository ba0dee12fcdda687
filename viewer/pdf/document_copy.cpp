#include "pdf/document_copy.h"

#include <string>
#include <utility>
#include <vector>

#include "core/host_error.h"
#include "pdf/link_copy.h"
#include "pdf/object_copy.h"
#include "pdf/outline_copy.h"

namespace viewer::pdf {
namespace {

void CheckRequest(PdfDocument& to, PdfDocument& from, const PagesToInsert& what) {
  using core::HostError;
  if (&to == &from) throw HostError(kHostErrBadParameter, "pages inserted into their own document");
  if (what.count < 1 || what.firstPage < 0 || what.firstPage > from.PageCount() - what.count) {
    throw HostError(kHostErrBadParameter, std::to_string(what.count) + " pages from page " +
                                              std::to_string(what.firstPage) + " of a document of " +
                                              std::to_string(from.PageCount()));
  }
  if (what.afterPage < -1 || what.afterPage >= to.PageCount()) {
    throw HostError(kHostErrBadParameter, "no page " + std::to_string(what.afterPage) + " to insert after");
  }
}

// The page's links once every page is copied, so links among them find their copies.
void CopyPageLinks(QPDFObjectHandle source, QPDFObjectHandle copy, QPDF& to, LinkCopier& links) {
  if (source.hasKey("/AA")) copy.replaceKey("/AA", links.Copy(source.getKey("/AA")));
  QPDFObjectHandle annotations = source.getKey("/Annots");
  if (!annotations.isArray()) return;
  QPDFObjectHandle kept = QPDFObjectHandle::newArray();
  for (QPDFObjectHandle annotation : annotations.getArrayAsVector()) {
    if (!annotation.isDictionary()) continue;
    QPDFObjectHandle annotationCopy = links.Copy(annotation);
    if (annotationCopy.isNull()) continue;
    kept.appendItem(annotationCopy.isIndirect() ? annotationCopy : to.makeIndirectObject(annotationCopy));
  }
  copy.replaceKey("/Annots", kept);
}

}  // namespace

void InsertPagesFrom(PdfDocument& to, PdfDocument& from, const PagesToInsert& what,
                     const std::function<void()>& meanwhile) {
  CheckRequest(to, from, what);
  QPDF& target = to.qpdf();
  LinkCopier links(from, target);
  std::vector<std::pair<QPDFObjectHandle, QPDFObjectHandle>> pages;  // source, copy
  for (int i = 0; i < what.count; ++i) {
    if (meanwhile) meanwhile();
    const int index = what.firstPage + i;
    QPDFObjectHandle copy = CopyPageAlone(target, from, index);
    QPDFObjectHandle source = from.Page(index).getObjectHandle();
    links.PageCopied(source, copy);
    pages.emplace_back(source, copy);
  }
  for (auto& [source, copy] : pages) CopyPageLinks(source, copy, target, links);
  CopiedOutline outline;
  if (what.withOutline) outline = CopyOutline(from, target, links, meanwhile);
  QPDFObjectHandle layers = from.qpdf().getRoot().getKey("/OCProperties");
  const bool takeLayers = layers.isDictionary() && !target.getRoot().hasKey("/OCProperties");
  if (takeLayers) layers = CopyOver(target, layers);

  // Everything is copied: from here on nothing fails.
  for (int i = 0; i < what.count; ++i) {
    to.InsertPage(what.afterPage + i, pages[static_cast<size_t>(i)].second);
  }
  AppendToOutline(to, outline);
  if (takeLayers) {
    target.getRoot().replaceKey("/OCProperties", layers);
    to.layers().Load(target);
  }
  to.NeedVersion(from.qpdf().getVersionAsPDFVersion());
}

}  // namespace viewer::pdf
