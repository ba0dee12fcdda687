// One page of a document as a PDF of its own, showing it as the viewer shows it now:
// made from the page and what it uses, however large the document, and without
// changing the document.
#pragma once

#include <string>

#include "pdf/pdf_document.h"

namespace viewer::pdf {

// The bytes of a one-page PDF of page index. What the page inherits through the page
// tree is written onto it, the layers shown now are the copy's default configuration,
// and annotations keep their appearance but not their links to other pages. Throws
// core::HostError(kHostErrBadPage) for an index outside the document, and whatever
// qpdf throws for a damaged page.
std::string OnePageForDisplay(PdfDocument& doc, int index);

}  // namespace viewer::pdf
