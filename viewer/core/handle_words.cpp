#include "core/handle_words.h"

namespace viewer::core {

uint32_t HandleCheckWord(uint32_t serial, uint32_t index) {
  // A cheap mix: neighbouring serials and indexes give unrelated words.
  uint32_t x = serial * 0x9E3779B1u ^ (index + 0x7F4A7C15u) * 0x85EBCA77u;
  x ^= x >> 15;
  x *= 0x2C1B3C6Du;
  x ^= x >> 12;
  return x != 0 ? x : 1;
}

PDObjectRef PackHandle(uint32_t slot, uint32_t index, uint32_t serial) {
  PDObjectRef ref;
  ref.id = (slot << 24) | (index + 1);
  ref.gen = HandleCheckWord(serial, index);
  return ref;
}

bool UnpackHandle(PDObjectRef ref, HandleParts* parts) {
  const uint32_t slot = ref.id >> 24;
  const uint32_t low = ref.id & 0x00FFFFFFu;
  if (slot == 0 || low == 0 || ref.gen == 0) return false;
  parts->slot = slot;
  parts->index = low - 1;
  return true;
}

bool VerifyHandle(PDObjectRef ref, const HandleParts& parts, uint32_t serial) {
  return ref.gen == HandleCheckWord(serial, parts.index);
}

}  // namespace viewer::core
