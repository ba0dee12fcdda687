// In which order the bookmarks' tree items are expanded or collapsed.
//
// Sending the request to every item that has children leaves the same tree whatever
// the order; the order decides the cost. Wine's tree control lays out every shown item
// again on each request that changes a shown item, and a collapse of a hidden item
// that is still expanded leaves wrong row numbers in the items after it. Both requests
// therefore go deepest first (reverse pre-order: each item after all of its
// descendants and before its ancestors):
// - expanding meets items whose ancestors are still collapsed, which costs next to
//   nothing, until the top-level items open the whole tree at once;
// - collapsing meets shown items whose descendants are already collapsed, so each
//   request has little to lay out after it and no hidden expanded item is collapsed.
#pragma once

#include <cstdint>

#include "tree_shape.h"

// Writes, into `order` (room for every entry), the entries whose items have children,
// in the order the requests are sent; returns how many.
int32_t ExpansionOrder(const TreeShape& shape, int32_t* order);
