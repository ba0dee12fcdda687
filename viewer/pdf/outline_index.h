// The document's outline, checked once: a walk from /Outlines in the order a reader
// visits it (an item, its children, then its next sibling), with the set of items
// reached so far. A /First or /Next link is bad when it leads to something that is
// not a dictionary or to an item reached before (a loop, or an item shared by two
// parents); the walk does not follow bad links. Reading the outline afterwards is a
// table look-up per link.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <qpdf/QPDF.hh>

#include "pdf/object_handles.h"

namespace viewer::pdf {

enum class OutlineLinkState : uint8_t { Absent, Item, Bad };

struct OutlineLink {
  OutlineLinkState state = OutlineLinkState::Absent;
  uint32_t target = 0;  // handle index of the item, when state is Item
};

// No item: the root's parent, and the previous sibling of a first child.
constexpr uint32_t kNoOutlineItem = 0xFFFFFFFFu;

struct OutlineNode {
  OutlineLink first;
  OutlineLink next;
  // Where the walk came from: the item whose /First (parent) or whose /Next
  // (previous) led here. Editing the outline mends these items' links.
  uint32_t parent = kNoOutlineItem;
  uint32_t previous = kNoOutlineItem;
  // Whether the walk has followed the item's /First and its /Next yet.
  bool firstWalked = false;
  bool nextWalked = false;
};

// A /First (first) or /Next link of item `from` to an object the walk had reached.
struct OutlineRepeat {
  uint32_t from = 0;
  bool first = false;
  uint64_t target = 0;  // the object's number and generation
};

class OutlineIndex {
 public:
  // Walks qpdf's outline, naming its items through handles. A document without
  // /Outlines gets an empty dictionary as its root; an /Outlines that is not a
  // dictionary makes the root bad.
  void Build(QPDF& qpdf, ObjectHandles& handles) {
    Begin(qpdf, handles);
    Complete();
  }
  // The same walk, begun only: the root is known, the items are walked as they are
  // asked for (WalkTo), so that no single question pays for the whole outline.
  void Begin(QPDF& qpdf, ObjectHandles& handles);
  // Walks what is left.
  void Complete();
  bool complete() const { return finished_; }

  bool rootBad() const { return rootBad_; }
  uint32_t root() const { return root_; }
  // The links of the item with handle index `item`, or null when the walk did not
  // reach it. Needs the walk complete.
  const OutlineNode* Node(uint32_t item) const;
  // The same, walking on until the item's /First link is known, and its /Next too when
  // `throughNext` (which takes the walk through the item's children), or the walk ends.
  const OutlineNode* WalkTo(uint32_t item, bool throughNext);
  size_t itemCount() const { return nodes_.size(); }
  // Mends the complete index after an item and its descendants (`subtree`, the item
  // first) were taken out, their objects made null and the neighbours linked past them,
  // as a new walk would find it: a destroy then costs its subtree, not the whole outline.
  void Remove(const std::vector<uint32_t>& subtree, ObjectHandles& handles);

 private:
  // One link followed: the walk goes in the order a reader visits the outline.
  void Step();
  OutlineLink Follow(uint32_t from, const char* key, HandleLink link);

  bool rootBad_ = false;
  uint32_t root_ = 0;
  std::unordered_map<uint32_t, OutlineNode> nodes_;
  // Links found bad because they lead to an item met before: once that item is gone
  // they lead to null, which is no link at all. Damaged outlines only; mostly empty.
  std::vector<OutlineRepeat> repeats_;

  // Where the walk stands: at `current_`, whose /First is next to follow (atFirst_) or
  // whose /Next is; items whose /Next waits until their children are done; the objects
  // reached so far.
  ObjectHandles* handles_ = nullptr;
  uint32_t current_ = 0;
  bool atFirst_ = true;
  bool atRoot_ = true;
  bool finished_ = true;
  std::vector<uint32_t> pending_;
  std::unordered_set<uint64_t> reached_;
};

}  // namespace viewer::pdf
