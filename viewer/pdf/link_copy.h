// What leads from place to place in a document (annotations, actions, destinations),
// copied into a document that receives some of its pages. qpdf's foreign copying
// cannot do it: a link copied before the page it leads to was copied would lead
// nowhere, and a page it is handed is copied whole. Here a link to a page copied leads
// to that page's copy, and a link to any other page leads to no page: its destination
// holds null where the page stood, as a dangling destination does. A named
// destination becomes the explicit one it stands for, since the copy holds none of
// the source's names. Everything else goes through qpdf's foreign copying, so what
// page contents share (fonts, images, layers) is copied once.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include <qpdf/QPDF.hh>

#include "pdf/pdf_document.h"

namespace viewer::pdf {

class LinkCopier {
 public:
  LinkCopier(PdfDocument& from, QPDF& to) : from_(from), to_(to) {}

  // page of `from` has been copied as copy, a page of `to`.
  void PageCopied(QPDFObjectHandle page, QPDFObjectHandle copy);
  // value as an object of `to`, its links leading as above. An indirect annotation or
  // action is copied once, however often it is reached; an annotation of a page not
  // copied becomes null, and an annotation's form field (/Parent) is left out: the
  // copy holds no form.
  QPDFObjectHandle Copy(QPDFObjectHandle value);
  // A destination of `from` (explicit, a name or a string) as an explicit destination
  // of `to`; one that `from` cannot resolve is copied as it stands.
  QPDFObjectHandle Destination(QPDFObjectHandle dest);

 private:
  QPDFObjectHandle Value(QPDFObjectHandle value);
  QPDFObjectHandle ExplicitDestination(QPDFObjectHandle dest);
  QPDFObjectHandle PageCopy(QPDFObjectHandle page);
  void FillDictionary(QPDFObjectHandle from, QPDFObjectHandle into);
  // Fills the copies of the annotations and actions reached so far, each once.
  void Drain();

  PdfDocument& from_;
  QPDF& to_;
  std::unordered_map<uint64_t, QPDFObjectHandle> pages_;   // by the source page
  std::unordered_map<uint64_t, QPDFObjectHandle> copies_;  // annotations and actions
  std::vector<std::pair<QPDFObjectHandle, QPDFObjectHandle>> unfilled_;
};

}  // namespace viewer::pdf
