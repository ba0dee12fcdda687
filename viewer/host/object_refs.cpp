#include "host/object_refs.h"

#include "app/doc_window.h"
#include "core/host_error.h"

namespace viewer::host {

pdf::PdfDocument& CheckedModel(PDDoc doc) { return CheckedDocOfPDDoc(doc)->pdf(); }

// A CosDoc is the same document model as its PDDoc.
pdf::PdfDocument& CheckedModel(CosDoc doc) { return CheckedModel(reinterpret_cast<PDDoc>(doc)); }

pdf::HandleTarget CheckedTarget(PDObjectRef ref) {
  pdf::HandleTarget target;
  if (!pdf::ResolveHandle(ref, &target)) {
    throw core::HostError(kHostErrBadParameter, "not an object of an open document");
  }
  return target;
}

}  // namespace viewer::host
