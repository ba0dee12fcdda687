#include "pdf/pde_handles.h"

#include <algorithm>

#include "core/host_error.h"

namespace viewer::pdf {
namespace {

core::HostError NotLive() { return core::HostError(kHostErrBadParameter, "not a live content element"); }

}  // namespace

PDEObject ElementHandles::Add(std::shared_ptr<Element> element) {
  auto* handle = reinterpret_cast<PDEObject>(element.get());
  Entry& entry = live_[handle];
  entry.element = std::move(element);
  ++entry.count;
  return handle;
}

void ElementHandles::Retain(PDEObject handle) {
  const auto found = live_.find(handle);
  if (found == live_.end()) throw NotLive();
  ++found->second.count;
}

int ElementHandles::Release(PDEObject handle) {
  if (handle == nullptr) return 0;
  const auto found = live_.find(handle);
  if (found == live_.end()) throw NotLive();
  const int left = --found->second.count;
  if (left == 0) live_.erase(found);
  return left;
}

std::shared_ptr<Element> ElementHandles::Find(PDEObject handle) const {
  const auto found = live_.find(handle);
  return found != live_.end() ? found->second.element : nullptr;
}

size_t ElementHandles::CountOf(ElementKind kind) const {
  return static_cast<size_t>(std::count_if(live_.begin(), live_.end(), [kind](const auto& handle) {
    return handle.second.element->kind() == kind;
  }));
}

std::shared_ptr<Element> ElementHandles::CheckedOfKind(PDEObject handle, ElementKind kind) const {
  std::shared_ptr<Element> element = Find(handle);
  if (element == nullptr || element->kind() != kind) {
    throw core::HostError(kHostErrBadParameter, "not a live content element of the kind wanted");
  }
  return element;
}

ElementHandles& HostElements() {
  static ElementHandles handles;
  return handles;
}

}  // namespace viewer::pdf
