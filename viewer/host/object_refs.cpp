#include "host/object_refs.h"

#include "app/doc_window.h"
#include "core/host_error.h"

namespace viewer::host {

pdf::PdfDocument& CheckedModel(PDDoc doc) { return CheckedDocOfPDDoc(doc)->pdf(); }

pdf::HandleTarget CheckedTarget(PDObjectRef ref) {
  pdf::HandleTarget target;
  if (!pdf::ResolveHandle(ref, &target)) {
    throw core::HostError(kHostErrBadParameter, "not an object of an open document");
  }
  return target;
}

}  // namespace viewer::host
