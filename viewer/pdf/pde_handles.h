// The handles of the content elements the host has handed out, with their counts:
// making or acquiring an element adds one, releasing takes one, and at none the handle
// is gone (the element itself lives on while another element holds it).
#pragma once

#include <memory>
#include <unordered_map>

#include "host_types.h"
#include "pdf/pde_elements.h"

namespace viewer::pdf {

class ElementHandles {
 public:
  // A handle for element, counted once.
  PDEObject Add(std::shared_ptr<Element> element);
  // Counts the handle once more; throws core::HostError(kHostErrBadParameter) for a
  // handle that is not live.
  void Retain(PDEObject handle);
  // Takes one count and answers how many are left; releasing null does nothing and
  // answers 0. Throws core::HostError(kHostErrBadParameter) for a handle not live.
  int Release(PDEObject handle);
  // The element of a live handle, or null.
  std::shared_ptr<Element> Find(PDEObject handle) const;
  size_t size() const { return live_.size(); }
  // How many live handles hold an element of this kind (a handle counted more than
  // once is one).
  size_t CountOf(ElementKind kind) const;

  // The element of a live handle of the given kind; throws
  // core::HostError(kHostErrBadParameter) otherwise.
  template <typename T>
  std::shared_ptr<T> Checked(PDEObject handle) const {
    return std::static_pointer_cast<T>(CheckedOfKind(handle, T::kKind));
  }

 private:
  std::shared_ptr<Element> CheckedOfKind(PDEObject handle, ElementKind kind) const;

  struct Entry {
    std::shared_ptr<Element> element;
    int count = 0;
  };
  std::unordered_map<PDEObject, Entry> live_;
};

// The handles of the running host.
ElementHandles& HostElements();

}  // namespace viewer::pdf
