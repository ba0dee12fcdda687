#include "pdf/object_handles.h"

#include "core/handle_words.h"
#include "core/host_error.h"
#include "pdf/document_slots.h"
#include "pdf/object_key.h"
#include "pdf/pdf_document.h"

namespace viewer::pdf {
namespace {

uint64_t DerivationKey(uint32_t from, HandleLink link) {
  return (static_cast<uint64_t>(from) << 8) | static_cast<uint8_t>(link);
}

}  // namespace

uint32_t ObjectHandles::Add(QPDFObjectHandle object) {
  if (objects_.size() > core::kMaxHandleIndex) {
    throw core::HostError(kHostErrGeneral, "too many object handles in one document");
  }
  objects_.push_back(object);
  return static_cast<uint32_t>(objects_.size() - 1);
}

uint32_t ObjectHandles::IndexOf(QPDFObjectHandle object, uint32_t from,
                                HandleLink link) {
  auto& known = object.isIndirect() ? byObjectNumber_ : byDerivation_;
  const uint64_t key = object.isIndirect() ? ObjectKey(object.getObjGen())
                                           : DerivationKey(from, link);
  const auto found = known.find(key);
  if (found != known.end()) return found->second;
  const uint32_t index = Add(object);
  known.emplace(key, index);
  return index;
}

bool ObjectHandles::Find(PDObjectRef ref, uint32_t* index) const {
  core::HandleParts parts;
  if (!core::UnpackHandle(ref, &parts) || parts.slot != slot_) return false;
  if (parts.index >= objects_.size() || !core::VerifyHandle(ref, parts, serial_)) return false;
  *index = parts.index;
  return true;
}

PDObjectRef ObjectHandles::RefOf(uint32_t index) const {
  return core::PackHandle(slot_, index, serial_);
}

void ObjectHandles::Release(uint32_t index) {
  constexpr HandleLink kLinks[] = {HandleLink::First, HandleLink::Next, HandleLink::Action,
                                   HandleLink::Destination, HandleLink::Resolved};
  std::vector<uint32_t> pending{index};
  while (!pending.empty()) {
    const uint32_t from = pending.back();
    pending.pop_back();
    if (from >= objects_.size()) continue;
    objects_[from] = released_;
    for (const HandleLink link : kLinks) {
      const auto found = byDerivation_.find(DerivationKey(from, link));
      if (found == byDerivation_.end()) continue;
      pending.push_back(found->second);
      byDerivation_.erase(found);
    }
  }
}

bool ResolveHandle(PDObjectRef ref, HandleTarget* target) {
  core::HandleParts parts;
  if (!core::UnpackHandle(ref, &parts)) return false;
  PdfDocument* doc = DocumentInSlot(parts.slot);
  if (doc == nullptr) return false;
  uint32_t index = 0;
  if (!doc->handles().Find(ref, &index)) return false;
  target->doc = doc;
  target->index = index;
  target->object = doc->handles().Object(index);
  return true;
}

}  // namespace viewer::pdf
