// Objects of one document copied into another through qpdf's copying of foreign
// objects, which copies each indirect object once per target document and never
// crosses into a page it reaches (the reference becomes null). Only a page handed to
// it directly would be copied whole, with everything it leads to; these helpers never
// hand it one.
#pragma once

#include <set>
#include <string>

#include <qpdf/QPDF.hh>

#include "pdf/pdf_document.h"

namespace viewer::pdf {

// value as an object of `to`: indirect objects through qpdf's foreign copying, direct
// containers rebuilt around them. A page object becomes null.
QPDFObjectHandle CopyOver(QPDF& to, QPDFObjectHandle value);

// dict as a new direct dictionary of `to`, without the keys in `left`.
QPDFObjectHandle CopyWithout(QPDF& to, QPDFObjectHandle dict, const std::set<std::string>& left);

// Page index of doc as a new indirect page of `to`, in no page tree yet. What it
// inherits through doc's page tree (boxes, rotation, resources) is written onto it.
// What leads to other pages is left for the caller to copy as it needs: the page's
// parent, annotations, article beads and page actions. Throws
// core::HostError(kHostErrBadPage) for an index outside doc.
QPDFObjectHandle CopyPageAlone(QPDF& to, PdfDocument& doc, int index);

}  // namespace viewer::pdf
