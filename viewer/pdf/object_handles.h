// The objects of one open document that the host has handed out as two-word handles
// (bookmarks, actions, destinations). Asking twice for the same object gives the same
// handle, so handles stay few and cheap: an indirect object is known by its object
// number, a direct one (an action inside an outline item, a destination array inside
// an action) by the handle it was found through and how. Handles stay valid while the
// document is open; a destroyed bookmark's handle, and those found through it, stand
// for null from then on.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include <qpdf/QPDFObjectHandle.hh>

#include "host_types.h"

namespace viewer::pdf {

class PdfDocument;

// How a direct object was reached from the handle it was found through.
enum class HandleLink : uint8_t {
  OutlineRoot,  // from the document
  First,        // an outline item's first child
  Next,         // an outline item's next sibling
  Action,       // an outline item's action
  Destination,  // an action's destination
  Resolved,     // the explicit destination a named one stands for
};

constexpr uint32_t kFromDocument = 0xFFFFFFFFu;

class ObjectHandles {
 public:
  ObjectHandles(uint32_t slot, uint32_t serial) : slot_(slot), serial_(serial) {}

  // The handle of object, found through the handle with index `from` (kFromDocument
  // for the document itself) by `link`. Throws core::HostError when the document has
  // handed out all the handles it can.
  uint32_t IndexOf(QPDFObjectHandle object, uint32_t from, HandleLink link);
  PDObjectRef Of(QPDFObjectHandle object, uint32_t from, HandleLink link) {
    return RefOf(IndexOf(object, from, link));
  }
  // The index of a handle of this document, or false.
  bool Find(PDObjectRef ref, uint32_t* index) const;
  PDObjectRef RefOf(uint32_t index) const;
  QPDFObjectHandle Object(uint32_t index) const { return objects_[index]; }
  // Lets go of the object of `index` and of the direct objects found through it, and
  // through those: a bookmark destroyed takes its action and destination with it, and
  // their memory is freed then, not all at once when the document closes.
  void Release(uint32_t index);
  size_t size() const { return objects_.size(); }

 private:
  uint32_t Add(QPDFObjectHandle object);

  uint32_t slot_;
  uint32_t serial_;
  std::vector<QPDFObjectHandle> objects_;
  std::unordered_map<uint64_t, uint32_t> byObjectNumber_;
  std::unordered_map<uint64_t, uint32_t> byDerivation_;
  // What released handles stand for: one null shared by all of them.
  QPDFObjectHandle released_ = QPDFObjectHandle::newNull();
};

// A handle resolved to its document and object.
struct HandleTarget {
  PdfDocument* doc = nullptr;
  uint32_t index = 0;
  QPDFObjectHandle object;
};

// Finds the open document and the object of ref; false for {0, 0}, for handles of
// closed documents and for pairs that were never handed out.
bool ResolveHandle(PDObjectRef ref, HandleTarget* target);

}  // namespace viewer::pdf
