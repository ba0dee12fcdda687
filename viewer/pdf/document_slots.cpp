#include "pdf/document_slots.h"

#include "core/handle_words.h"
#include "core/host_error.h"

namespace viewer::pdf {
namespace {

PdfDocument* slots[core::kMaxHandleSlot + 1] = {};
uint32_t lastSerial = 0;
// Slots are handed out in turn, so a slot freed by a closed document is taken again
// as late as possible.
uint32_t lastSlot = 0;

}  // namespace

uint32_t TakeDocumentSlot(PdfDocument* doc) {
  for (uint32_t step = 1; step <= core::kMaxHandleSlot; ++step) {
    const uint32_t slot = (lastSlot + step - 1) % core::kMaxHandleSlot + 1;
    if (slots[slot] == nullptr) {
      slots[slot] = doc;
      lastSlot = slot;
      return slot;
    }
  }
  throw core::HostError(kHostErrGeneral, "too many open documents");
}

void FreeDocumentSlot(uint32_t slot) {
  if (slot >= 1 && slot <= core::kMaxHandleSlot) slots[slot] = nullptr;
}

PdfDocument* DocumentInSlot(uint32_t slot) {
  return slot >= 1 && slot <= core::kMaxHandleSlot ? slots[slot] : nullptr;
}

uint32_t NewDocumentSerial() {
  if (++lastSerial == 0) ++lastSerial;
  return lastSerial;
}

}  // namespace viewer::pdf
