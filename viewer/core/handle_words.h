// The two 32-bit words of a document object handle (bookmark, action, destination).
// The first word names the open document (its slot, 1 to 255, in the top byte) and
// the object (its index in that document's handle list, plus one, below); the second
// is a check word derived from the document's serial number and the index, so a stale
// or made-up pair is recognised. {0, 0} is never a handle.
#pragma once

#include <cstdint>

#include "host_types.h"

namespace viewer::core {

constexpr uint32_t kMaxHandleSlot = 0xFF;
constexpr uint32_t kMaxHandleIndex = 0x00FFFFFE;  // so index + 1 fits below the slot

struct HandleParts {
  uint32_t slot = 0;
  uint32_t index = 0;
};

// The check word of (serial, index); never 0.
uint32_t HandleCheckWord(uint32_t serial, uint32_t index);

// slot must be 1..kMaxHandleSlot and index at most kMaxHandleIndex.
PDObjectRef PackHandle(uint32_t slot, uint32_t index, uint32_t serial);

// The slot and index of a well-formed pair; false for {0, 0} and for pairs that cannot
// be a handle. The check word is tested by VerifyHandle once the slot's serial is known.
bool UnpackHandle(PDObjectRef ref, HandleParts* parts);
bool VerifyHandle(PDObjectRef ref, const HandleParts& parts, uint32_t serial);

inline bool IsNullHandle(PDObjectRef ref) { return ref.id == 0 && ref.gen == 0; }

}  // namespace viewer::core
