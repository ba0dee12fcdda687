// The documents PDDocCreate makes. They belong to no window: the plug-in that made one
// closes it with PDDocClose, and until then it is held here.
#pragma once

#include <cstddef>

#include "host_types.h"
#include "pdf/pdf_document.h"

namespace viewer::host {

// A new empty document; throws core::HostError when no document slot is free.
PDDoc CreateDocument();
// The created document behind doc, or null when doc is not one.
pdf::PdfDocument* FindCreatedDocument(PDDoc doc);
// Frees a created document and drops its word finders; false, with nothing done, when
// doc is not one.
bool CloseCreatedDocument(PDDoc doc);
// How many created documents are not closed yet.
size_t CreatedDocumentCount();

}  // namespace viewer::host
