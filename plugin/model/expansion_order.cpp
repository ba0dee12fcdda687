#include "expansion_order.h"

int32_t ExpansionOrder(const TreeShape& shape, int32_t* order) {
  int32_t count = 0;
  for (int32_t at = shape.Count() - 1; at >= 0; --at) {
    const int32_t entry = shape.preorder[static_cast<size_t>(at)];
    if (shape.HasChildren(entry)) order[count++] = entry;
  }
  return count;
}
