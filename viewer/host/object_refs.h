// Between the host's two-word object handles and the documents' objects.
#pragma once

#include "host_types.h"
#include "pdf/object_handles.h"
#include "pdf/pdf_document.h"

namespace viewer::host {

// The document model behind a PDDoc, shown in a window or made by PDDocCreate;
// throws core::HostError(kHostErrBadParameter).
pdf::PdfDocument& CheckedModel(PDDoc doc);
// The same for the document's low-level object document (PDDocGetCosDoc).
pdf::PdfDocument& CheckedModel(CosDoc doc);

// The document and object of a handle; throws core::HostError(kHostErrBadParameter)
// for one that names no object of an open document.
pdf::HandleTarget CheckedTarget(PDObjectRef ref);

// A handle of the interface's kind (PDBookmark, PDAction, PDViewDestination).
template <typename Handle>
Handle HandleOfKind(PDObjectRef ref) {
  Handle handle;
  handle.id = ref.id;
  handle.gen = ref.gen;
  return handle;
}

template <typename Handle>
Handle NullHandle() {
  return HandleOfKind<Handle>(PDObjectRef{0, 0});
}

}  // namespace viewer::host
