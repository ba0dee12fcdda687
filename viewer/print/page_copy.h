// The printed copy of a document: a new PDF holding exactly the chosen pages, in
// order, showing the layers that the viewer shows now.
#pragma once

#include <string>

#include "pdf/pdf_document.h"

namespace viewer::print {

// Writes 0-based pages firstPage..lastPage of doc, the whole run repeated `copies`
// times, to unixPath. The copy's default optional-content configuration lists every
// layer in /ON or /OFF as the viewer shows it now. Throws core::HostError
// (kHostErrBadPage for a range outside the document, kHostErrPrint when the copy
// cannot be made or written; no file is left behind then).
void WritePrintCopy(pdf::PdfDocument& doc, int firstPage, int lastPage, int copies,
                    const std::string& unixPath);

}  // namespace viewer::print
