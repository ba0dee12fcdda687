// The selection refresh: which entries the ticked tree items stand for, and which of
// them are dropped because a ticked bookmark around them prints their pages anyway.
//
// Each has two forms with the same results: the one the dialog uses, and the plain
// one that compares every checked item with every entry and every pair of entries,
// which the tests and the benchmark hold the first against.
#pragma once

#include <cstdint>
#include <vector>

#include "bookmark_model.h"
#include "tree_shape.h"

// By entry: 1 when the entry's tree item is checked.
using CheckStates = std::vector<uint8_t>;

// Clears every entry's ticked value, then, for each checked item in the tree's order,
// ticks the first entry not yet ticked whose label and pages are the item's (the
// entry of a tree item): two bookmarks with the same title and pages are thus ticked
// in list order.
void MarkTickedEntries(BookmarkModel& model, const TreeShape& shape, const CheckStates& checked);
void MarkTickedEntriesPlainly(BookmarkModel& model, const TreeShape& shape,
                              const CheckStates& checked);

// Goes through the entries in list order as the outer one, up to the first entry that
// performs an action of its own; a ticked outer entry unticks every other ticked
// entry whose pages lie inside its own. Of two equal ranges the earlier stays.
void DropNestedTicks(BookmarkModel& model);
void DropNestedTicksPlainly(BookmarkModel& model);

// The pages the ticked entries cover, counted once per entry.
int32_t TickedPageCount(const BookmarkModel& model);
