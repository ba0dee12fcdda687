#include "tree_shape.h"

std::vector<int32_t> TreeShape::Children(int32_t entry) const {
  std::vector<int32_t> children;
  const int32_t begin = entry < 0 ? 0 : position[entry] + 1;
  const int32_t end = entry < 0 ? Count() : position[entry] + extent[entry];
  for (int32_t at = begin; at < end; at += extent[preorder[at]]) children.push_back(preorder[at]);
  return children;
}

TreeShape BuildTreeShape(const BookmarkModel& model) {
  const int32_t count = model.entryCount;
  TreeShape shape;
  shape.parent.assign(count, -1);
  shape.depth.assign(count, 1);
  shape.position.assign(count, 0);
  shape.extent.assign(count, 1);
  shape.preorder.reserve(count);

  // The insertion's own bookkeeping: the entry inserted last at each level.
  int32_t lastAtLevel[kLevelParentCount];
  for (int32_t& last : lastAtLevel) last = -1;
  std::vector<int32_t> firstChild(count, -1), lastChild(count, -1), nextSibling(count, -1);
  int32_t firstTop = -1;
  int32_t lastTop = -1;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t level = model.entries[i].level;
    const int32_t parent = lastAtLevel[level - 1];
    shape.parent[i] = parent;
    int32_t& first = parent < 0 ? firstTop : firstChild[parent];
    int32_t& last = parent < 0 ? lastTop : lastChild[parent];
    if (last < 0) {
      first = i;
    } else {
      nextSibling[last] = i;
    }
    last = i;
    lastAtLevel[level] = i;
  }

  // Pre-order without recursion: each item's next sibling waits below its children.
  std::vector<int32_t> pending;
  if (firstTop >= 0) pending.push_back(firstTop);
  while (!pending.empty()) {
    const int32_t item = pending.back();
    pending.pop_back();
    shape.position[item] = static_cast<int32_t>(shape.preorder.size());
    shape.preorder.push_back(item);
    shape.depth[item] = shape.parent[item] < 0 ? 1 : shape.depth[shape.parent[item]] + 1;
    if (nextSibling[item] >= 0) pending.push_back(nextSibling[item]);
    if (firstChild[item] >= 0) pending.push_back(firstChild[item]);
  }
  for (int32_t at = count - 1; at >= 0; --at) {
    const int32_t item = shape.preorder[at];
    if (shape.parent[item] >= 0) shape.extent[shape.parent[item]] += shape.extent[item];
  }
  return shape;
}
