#include "host/object_refs.h"

#include "app/doc_window.h"
#include "core/host_error.h"
#include "host/created_documents.h"

namespace viewer::host {

// A document shown in a window, or one made by PDDocCreate.
pdf::PdfDocument& CheckedModel(PDDoc doc) {
  if (pdf::PdfDocument* created = FindCreatedDocument(doc)) return *created;
  return CheckedDocOfPDDoc(doc)->pdf();
}

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
