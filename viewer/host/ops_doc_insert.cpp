// PDModel, pages of one document put into another (PDDocInsertPages).
#include <string>

#include "app/doc_window.h"
#include "core/exception_frames.h"
#include "core/host_error.h"
#include "host/host_impl.h"
#include "host/object_refs.h"
#include "pdf/document_copy.h"

namespace viewer::ops {
namespace {

using core::HostError;

// The window showing model, or null (a document made by PDDocCreate has none).
DocWindow* WindowOf(pdf::PdfDocument& model) {
  for (DocWindow* window : OpenDocWindows()) {
    if (&window->pdf() == &model) return window;
  }
  return nullptr;
}

// The document is still the one it was: the cancel procedure may pump messages, and a
// handler may close or change a document meanwhile.
void CheckStillOpen(PDDoc doc, uint32_t serial) {
  if (host::CheckedModel(doc).serial() != serial) {
    throw HostError(kHostErrBadParameter, "document closed");
  }
}

}  // namespace

// Of insertFlags only PDInsertBookmarks is looked at. A link or bookmark that led to a
// page not inserted leads to no page of doc: its destination holds null for the page,
// so PDViewDestIsValid answers false for it and PDViewDestGetAttr raises
// kHostErrBadParameter, as for the dangling destinations of a damaged document. The
// cancel procedure is asked before each page is copied and after every 256 bookmarks
// copied; when it answers true nothing is inserted and the call raises. No progress
// is reported.
void PDDocInsertPages_Impl(PDDoc doc, ASInt32 mergeAfterThisPage, PDDoc doc2, ASInt32 startPage,
                           ASInt32 numPages, ASUns16 insertFlags, PDProgressMonitor, void*,
                           PDCancelProc cancelProc, void* cancelProcData) {
  if (doc == nullptr || doc2 == nullptr) throw HostError(kHostErrBadParameter, "null document");
  pdf::PdfDocument& to = host::CheckedModel(doc);
  pdf::PdfDocument& from = host::CheckedModel(doc2);
  const uint32_t toSerial = to.serial(), fromSerial = from.serial();
  const unsigned fromRevision = from.revision();
  pdf::PagesToInsert what;
  what.afterPage = mergeAfterThisPage;
  what.firstPage = startPage;
  what.count = numPages;
  what.withOutline = (insertFlags & PDInsertBookmarks) != 0;
  pdf::InsertPagesFrom(to, from, what, [&] {
    if (cancelProc == nullptr) return;
    ASBool cancelled;
    {
      core::ExceptionFrameBarrier barrier("cancel procedure");
      cancelled = cancelProc(cancelProcData);
    }
    CheckStillOpen(doc, toSerial);
    CheckStillOpen(doc2, fromSerial);
    if (from.revision() != fromRevision) {
      throw HostError(kHostErrBadParameter, "source changed while copied");
    }
    if (cancelled) throw HostError(kHostErrGeneral, "insertion cancelled");
  });
  if (DocWindow* window = WindowOf(to)) {
    for (int i = 1; i <= numPages; ++i) window->PageInserted(mergeAfterThisPage + i);
  }
}

}  // namespace viewer::ops
