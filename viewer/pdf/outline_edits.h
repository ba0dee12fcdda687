// Taking items out of a document's outline, as PDBookmarkDestroy does.
#pragma once

#include <cstdint>

#include "pdf/pdf_document.h"

namespace viewer::pdf {

// Takes the outline item with handle index `item` out of doc's outline, with its
// descendants: its neighbours and parent are linked past it (/First, /Last, /Prev,
// /Next), and the counts of its open ancestors, and of the first closed one, lose what
// it showed. The item and its descendants become null objects, so their handles are
// no longer valid bookmarks. Throws core::HostError(kHostErrBadParameter) for the root
// and for what the outline's check did not reach as an item, and
// (kHostErrBadOutline) when /Outlines is not a dictionary.
void DestroyOutlineItem(PdfDocument& doc, uint32_t item);

}  // namespace viewer::pdf
