// The open documents by slot, so a handle's first word leads back to its document.
#pragma once

#include <cstdint>

namespace viewer::pdf {

class PdfDocument;

// A free slot (1 to 255) for doc; throws core::HostError(kHostErrGeneral) when every
// slot is taken.
uint32_t TakeDocumentSlot(PdfDocument* doc);
void FreeDocumentSlot(uint32_t slot);
// The document in slot, or null.
PdfDocument* DocumentInSlot(uint32_t slot);

// A number no other document of this run has had (never 0).
uint32_t NewDocumentSerial();

}  // namespace viewer::pdf
