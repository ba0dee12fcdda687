#include "pdf/outline_index.h"

#include <unordered_set>
#include <vector>

namespace viewer::pdf {
namespace {

uint64_t ObjectKey(const QPDFObjGen& og) {
  return (static_cast<uint64_t>(static_cast<uint32_t>(og.getObj())) << 32) |
         static_cast<uint32_t>(og.getGen());
}

class Walk {
 public:
  Walk(ObjectHandles& handles, std::unordered_map<uint32_t, OutlineNode>& nodes)
      : handles_(handles), nodes_(nodes) {}

  // Marks the item reached; false if it was reached before.
  bool Reach(QPDFObjectHandle item) {
    if (!item.isIndirect()) return true;  // a direct item can be reached only once
    return reached_.insert(ObjectKey(item.getObjGen())).second;
  }

  void Run(uint32_t root) {
    nodes_[root];
    // Items whose /Next is still to be followed once their children are done.
    std::vector<uint32_t> pending;
    uint32_t current = root;
    bool isRoot = true;
    for (;;) {
      const OutlineLink first = Follow(current, "/First", HandleLink::First);
      nodes_[current].first = first;
      if (first.state == OutlineLinkState::Item) {
        if (!isRoot) pending.push_back(current);
        current = first.target;
        isRoot = false;
        continue;
      }
      // No children to go into: go on with the next sibling, or that of an ancestor.
      // The root's own /Next is no link of the outline.
      for (;;) {
        if (isRoot) return;
        const OutlineLink next = Follow(current, "/Next", HandleLink::Next);
        nodes_[current].next = next;
        if (next.state == OutlineLinkState::Item) {
          current = next.target;
          break;
        }
        if (pending.empty()) return;
        current = pending.back();
        pending.pop_back();
      }
    }
  }

 private:
  OutlineLink Follow(uint32_t from, const char* key, HandleLink link) {
    QPDFObjectHandle target = handles_.Object(from).getKey(key);
    if (target.isNull()) return {};
    if (!target.isDictionary() || !Reach(target)) return {OutlineLinkState::Bad, 0};
    const uint32_t index = handles_.IndexOf(target, from, link);
    const uint32_t parent = link == HandleLink::First ? from : nodes_[from].parent;
    OutlineNode& reached = nodes_[index];
    reached.parent = parent;
    reached.previous = link == HandleLink::Next ? from : kNoOutlineItem;
    return {OutlineLinkState::Item, index};
  }

  ObjectHandles& handles_;
  std::unordered_map<uint32_t, OutlineNode>& nodes_;
  std::unordered_set<uint64_t> reached_;
};

}  // namespace

void OutlineIndex::Build(QPDF& qpdf, ObjectHandles& handles) {
  nodes_.clear();
  rootBad_ = false;
  QPDFObjectHandle outlines = qpdf.getRoot().getKey("/Outlines");
  if (!outlines.isNull() && !outlines.isDictionary()) {
    rootBad_ = true;
    return;
  }
  if (outlines.isNull()) outlines = QPDFObjectHandle::newDictionary();
  root_ = handles.IndexOf(outlines, kFromDocument, HandleLink::OutlineRoot);
  Walk walk(handles, nodes_);
  walk.Reach(outlines);
  walk.Run(root_);
}

const OutlineNode* OutlineIndex::Node(uint32_t item) const {
  const auto found = nodes_.find(item);
  return found != nodes_.end() ? &found->second : nullptr;
}

}  // namespace viewer::pdf
