#include "pdf/outline_edits.h"

#include <algorithm>
#include <vector>

#include "core/host_error.h"
#include "pdf/outline_index.h"

namespace viewer::pdf {
namespace {

long long CountOf(QPDFObjectHandle item) {
  QPDFObjectHandle count = item.getKey("/Count");
  return count.isInteger() ? count.getIntValue() : 0;
}

// An item without children has no count.
void SetCount(QPDFObjectHandle item, long long count) {
  if (count == 0 || !item.hasKey("/First")) {
    item.removeKey("/Count");
  } else {
    item.replaceKey("/Count", QPDFObjectHandle::newInteger(count));
  }
}

void Link(QPDFObjectHandle from, const char* key, QPDFObjectHandle to) {
  if (to.isInitialized()) {
    from.replaceKey(key, to);
  } else {
    from.removeKey(key);
  }
}

// The item and its descendants, as far as good links lead.
std::vector<uint32_t> Subtree(const OutlineIndex& outline, uint32_t item) {
  std::vector<uint32_t> found{item};
  for (size_t i = 0; i < found.size(); ++i) {
    const OutlineNode* node = outline.Node(found[i]);
    if (node == nullptr) continue;
    if (node->first.state == OutlineLinkState::Item) found.push_back(node->first.target);
    if (i > 0 && node->next.state == OutlineLinkState::Item) found.push_back(node->next.target);
  }
  return found;
}

}  // namespace

void DestroyOutlineItem(PdfDocument& doc, uint32_t item) {
  const OutlineIndex& outline = doc.Outline();
  if (outline.rootBad()) throw core::HostError(kHostErrBadOutline, "/Outlines is not a dictionary");
  if (item == outline.root()) throw core::HostError(kHostErrBadParameter, "the outline's root stays");
  const OutlineNode* node = outline.Node(item);
  if (node == nullptr) throw core::HostError(kHostErrBadParameter, "not an item of the outline");
  ObjectHandles& handles = doc.handles();
  QPDFObjectHandle object = handles.Object(item);
  QPDFObjectHandle parent = handles.Object(node->parent);
  QPDFObjectHandle previous, next;
  if (node->previous != kNoOutlineItem) previous = handles.Object(node->previous);
  // A bad /Next after it is left behind with it.
  if (node->next.state == OutlineLinkState::Item) next = handles.Object(node->next.target);

  Link(previous.isInitialized() ? previous : parent, previous.isInitialized() ? "/Next" : "/First", next);
  Link(next.isInitialized() ? next : parent, next.isInitialized() ? "/Prev" : "/Last", previous);

  // What the item showed: itself, and its descendants when it is open. The counts are
  // taken as written; they only ever come nearer to zero here.
  const long long shown = 1 + std::max(0LL, CountOf(object));
  for (uint32_t ancestor = node->parent; ancestor != kNoOutlineItem;) {
    QPDFObjectHandle above = handles.Object(ancestor);
    const long long count = CountOf(above);
    if (ancestor == outline.root()) {
      SetCount(above, std::max(0LL, count - shown));
      break;
    }
    if (count < 0) {  // closed: it stops showing its descendants to those above
      SetCount(above, std::min(0LL, count + shown));
      break;
    }
    if (count == 0) break;
    SetCount(above, std::max(0LL, count - shown));
    const OutlineNode* aboveNode = outline.Node(ancestor);
    ancestor = aboveNode != nullptr ? aboveNode->parent : kNoOutlineItem;
  }

  const std::vector<uint32_t> subtree = Subtree(outline, item);
  for (uint32_t gone : subtree) {
    QPDFObjectHandle goneObject = handles.Object(gone);
    if (goneObject.isIndirect()) {
      doc.qpdf().replaceObject(goneObject.getObjGen(), QPDFObjectHandle::newNull());
    }
  }
  doc.OutlineItemRemoved(subtree);
  for (uint32_t gone : subtree) handles.Release(gone);
}

}  // namespace viewer::pdf
