#include "pdf/outline_index.h"

#include <unordered_set>
#include <utility>
#include <vector>

#include "pdf/object_key.h"

namespace viewer::pdf {
namespace {

class Walk {
 public:
  Walk(ObjectHandles& handles, std::unordered_map<uint32_t, OutlineNode>& nodes,
       std::vector<OutlineRepeat>& repeats)
      : handles_(handles), nodes_(nodes), repeats_(repeats) {}

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
    if (!target.isDictionary()) return {OutlineLinkState::Bad, 0};
    if (!Reach(target)) {
      repeats_.push_back({from, link == HandleLink::First, ObjectKey(target.getObjGen())});
      return {OutlineLinkState::Bad, 0};
    }
    const uint32_t index = handles_.IndexOf(target, from, link);
    const uint32_t parent = link == HandleLink::First ? from : nodes_[from].parent;
    OutlineNode& reached = nodes_[index];
    reached.parent = parent;
    reached.previous = link == HandleLink::Next ? from : kNoOutlineItem;
    return {OutlineLinkState::Item, index};
  }

  ObjectHandles& handles_;
  std::unordered_map<uint32_t, OutlineNode>& nodes_;
  std::vector<OutlineRepeat>& repeats_;
  std::unordered_set<uint64_t> reached_;
};

}  // namespace

void OutlineIndex::Build(QPDF& qpdf, ObjectHandles& handles) {
  nodes_.clear();
  repeats_.clear();
  rootBad_ = false;
  QPDFObjectHandle outlines = qpdf.getRoot().getKey("/Outlines");
  if (!outlines.isNull() && !outlines.isDictionary()) {
    rootBad_ = true;
    return;
  }
  if (outlines.isNull()) outlines = QPDFObjectHandle::newDictionary();
  root_ = handles.IndexOf(outlines, kFromDocument, HandleLink::OutlineRoot);
  Walk walk(handles, nodes_, repeats_);
  walk.Reach(outlines);
  walk.Run(root_);
}

void OutlineIndex::Remove(const std::vector<uint32_t>& subtree, ObjectHandles& handles) {
  if (subtree.empty()) return;
  const auto found = nodes_.find(subtree.front());
  if (found == nodes_.end() || subtree.front() == root_) return;
  const OutlineNode gone = found->second;
  // A bad /Next stays behind with the item: the one before it then has no next.
  const OutlineLink next =
      gone.next.state == OutlineLinkState::Item ? gone.next : OutlineLink{};
  if (gone.previous != kNoOutlineItem) {
    nodes_[gone.previous].next = next;
  } else if (gone.parent != kNoOutlineItem) {
    nodes_[gone.parent].first = next;
  }
  if (next.state == OutlineLinkState::Item) nodes_[next.target].previous = gone.previous;
  if (!repeats_.empty()) {
    std::unordered_set<uint32_t> members(subtree.begin(), subtree.end());
    std::unordered_set<uint64_t> objects;
    for (const uint32_t member : subtree) {
      QPDFObjectHandle object = handles.Object(member);
      if (object.isIndirect()) objects.insert(ObjectKey(object.getObjGen()));
    }
    std::vector<OutlineRepeat> kept;
    for (const OutlineRepeat& repeat : repeats_) {
      if (members.count(repeat.from) != 0) continue;
      if (objects.count(repeat.target) != 0) {
        OutlineNode& from = nodes_[repeat.from];
        (repeat.first ? from.first : from.next) = OutlineLink{};
        continue;
      }
      kept.push_back(repeat);
    }
    repeats_ = std::move(kept);
  }
  for (const uint32_t member : subtree) nodes_.erase(member);
}

const OutlineNode* OutlineIndex::Node(uint32_t item) const {
  const auto found = nodes_.find(item);
  return found != nodes_.end() ? &found->second : nullptr;
}

}  // namespace viewer::pdf
