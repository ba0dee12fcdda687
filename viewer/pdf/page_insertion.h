// New pages in a document.
#pragma once

#include <qpdf/QPDFObjectHandle.hh>

#include "pdf/pdf_document.h"

namespace viewer::pdf {

// Inserts an empty page (its media box, empty resources, no content) after the
// 0-based page afterPage (-1: before the first page) and answers it. Other pages keep
// their objects, so outlines and destinations still lead to them. Throws
// core::HostError(kHostErrBadPage) for afterPage outside -1..count-1.
QPDFObjectHandle InsertEmptyPage(PdfDocument& doc, int afterPage, const PageBox& mediaBox);

}  // namespace viewer::pdf
