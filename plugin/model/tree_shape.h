// The shape of the bookmark tree as FillBookmarkTree builds it: each entry's item is
// inserted as the last child of the item inserted last one level up. That is the
// model's own nesting, except where an entry lies more than one level below the one
// before it (a bookmark between them was skipped): its item then hangs under whatever
// item was inserted last at the level above it, or at the top.
#pragma once

#include <cstdint>
#include <vector>

#include "bookmark_model.h"

struct TreeShape {
  // By entry: the entry of the parent item, -1 at the top level.
  std::vector<int32_t> parent;
  // By entry: 1 at the top level, one more a step down.
  std::vector<int32_t> depth;
  // The entries in the tree's pre-order (an item, its children, its next sibling).
  std::vector<int32_t> preorder;
  // By entry: where it stands in the pre-order.
  std::vector<int32_t> position;
  // By entry: how many items its subtree holds, itself included.
  std::vector<int32_t> extent;

  int32_t Count() const { return static_cast<int32_t>(preorder.size()); }
  bool HasChildren(int32_t entry) const { return extent[entry] > 1; }
  // The children of an entry (of the top level for -1), in order.
  std::vector<int32_t> Children(int32_t entry) const;
  // The descendants of an entry, in pre-order.
  const int32_t* DescendantsBegin(int32_t entry) const {
    return preorder.data() + position[entry] + 1;
  }
  const int32_t* DescendantsEnd(int32_t entry) const {
    return preorder.data() + position[entry] + extent[entry];
  }
};

TreeShape BuildTreeShape(const BookmarkModel& model);
