#include "pdf/outline_index.h"

#include <unordered_set>
#include <utility>
#include <vector>

#include "pdf/object_key.h"

namespace viewer::pdf {

void OutlineIndex::Begin(QPDF& qpdf, ObjectHandles& handles) {
  nodes_.clear();
  repeats_.clear();
  pending_.clear();
  reached_.clear();
  rootBad_ = false;
  finished_ = true;
  handles_ = &handles;
  QPDFObjectHandle outlines = qpdf.getRoot().getKey("/Outlines");
  if (!outlines.isNull() && !outlines.isDictionary()) {
    rootBad_ = true;
    return;
  }
  if (outlines.isNull()) outlines = QPDFObjectHandle::newDictionary();
  root_ = handles.IndexOf(outlines, kFromDocument, HandleLink::OutlineRoot);
  if (outlines.isIndirect()) reached_.insert(ObjectKey(outlines.getObjGen()));
  // The root's own /Next is no link of the outline.
  nodes_[root_].nextWalked = true;
  current_ = root_;
  atFirst_ = true;
  atRoot_ = true;
  finished_ = false;
}

void OutlineIndex::Complete() {
  while (!finished_) Step();
}

void OutlineIndex::Step() {
  if (atFirst_) {
    const OutlineLink first = Follow(current_, "/First", HandleLink::First);
    OutlineNode& node = nodes_[current_];
    node.first = first;
    node.firstWalked = true;
    if (first.state == OutlineLinkState::Item) {
      if (!atRoot_) pending_.push_back(current_);
      current_ = first.target;
      atRoot_ = false;
      return;
    }
    atFirst_ = false;
    finished_ = atRoot_;  // an outline without items
  } else {
    // No children to go into: the next sibling, or that of an ancestor.
    const OutlineLink next = Follow(current_, "/Next", HandleLink::Next);
    OutlineNode& node = nodes_[current_];
    node.next = next;
    node.nextWalked = true;
    if (next.state == OutlineLinkState::Item) {
      current_ = next.target;
      atFirst_ = true;
      return;
    }
    if (pending_.empty()) {
      finished_ = true;
    } else {
      current_ = pending_.back();
      pending_.pop_back();
    }
  }
  if (finished_) {
    pending_.clear();
    reached_ = {};
  }
}

OutlineLink OutlineIndex::Follow(uint32_t from, const char* key, HandleLink link) {
  QPDFObjectHandle target = handles_->Object(from).getKey(key);
  if (target.isNull()) return {};
  if (!target.isDictionary()) return {OutlineLinkState::Bad, 0};
  // A direct item can be reached only once.
  if (target.isIndirect() && !reached_.insert(ObjectKey(target.getObjGen())).second) {
    repeats_.push_back({from, link == HandleLink::First, ObjectKey(target.getObjGen())});
    return {OutlineLinkState::Bad, 0};
  }
  const uint32_t index = handles_->IndexOf(target, from, link);
  const uint32_t parent = link == HandleLink::First ? from : nodes_[from].parent;
  OutlineNode& reached = nodes_[index];
  reached.parent = parent;
  reached.previous = link == HandleLink::Next ? from : kNoOutlineItem;
  return {OutlineLinkState::Item, index};
}

const OutlineNode* OutlineIndex::WalkTo(uint32_t item, bool throughNext) {
  for (;;) {
    const auto found = nodes_.find(item);
    const bool known = found != nodes_.end();
    if (finished_ || (known && found->second.firstWalked &&
                      (!throughNext || found->second.nextWalked))) {
      return known ? &found->second : nullptr;
    }
    Step();
  }
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
