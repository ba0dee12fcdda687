// Pages of one document put into another, as PDDocInsertPages does: the pages with
// what they use and what they inherit, their annotations with links that keep leading
// where they led, and, when asked, the source's whole outline.
#pragma once

#include <functional>

#include "pdf/pdf_document.h"

namespace viewer::pdf {

struct PagesToInsert {
  int afterPage = -1;  // of the target, 0-based; -1: before its first page
  int firstPage = 0;   // of the source, 0-based
  int count = 0;
  bool withOutline = false;
};

// Copies the pages of `from` that `what` names into `to`, in order, after its page
// what.afterPage. A link among the pages copied leads to the copy of its page; a link
// to a page not copied leads to no page (a dangling destination: PDViewDestIsValid
// answers false for it) and never brings that page along. Named destinations become
// the explicit ones they stand for. With withOutline, the whole outline of `from`
// follows the last top-level item of to's own, also the items that lead to pages not
// copied. The layers of `from` come along when `to` has none.
// meanwhile runs before each page is copied and after every kItemsBetweenCalls
// bookmarks copied, and may throw to stop: nothing is put into `to` until everything
// is copied, so a stop, or a page qpdf cannot copy, leaves `to` as it was (but for
// unused objects, which no save writes).
// Throws core::HostError(kHostErrBadParameter) for `to` being `from`, a range
// outside `from`, or afterPage outside -1..count-1 of `to`.
void InsertPagesFrom(PdfDocument& to, PdfDocument& from, const PagesToInsert& what,
                     const std::function<void()>& meanwhile);

}  // namespace viewer::pdf
