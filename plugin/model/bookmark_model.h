// The active document's bookmarks as a flat list in outline order (a bookmark, then
// its children, then its next sibling), with the page range each one covers. Fixed
// arrays: building allocates nothing but the title strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host_types.h"

// The tree control's item handle (HTREEITEM), named without <windows.h>.
struct _TREEITEM;
using TreeItemHandle = _TREEITEM*;

inline constexpr int kBookmarkCapacity = 16384;
// One tree-item parent per level 0 to 49; level 0 is the tree's root.
inline constexpr int kLevelParentCount = 50;
// Bookmarks nested deeper than this are listed at this level.
inline constexpr int kDeepestLevel = kLevelParentCount - 1;

struct BookmarkEntry {
  int32_t level;           // 1 for a top-level bookmark
  int32_t firstPage;       // 1-based
  int32_t lastPage;        // 1-based, at least firstPage
  int32_t ticked;          // 1 when the entry's tree item is ticked
  int32_t levelCopy;       // equal to level
  int32_t performsAction;  // 1 when choosing the item performs the bookmark's action
};
static_assert(sizeof(BookmarkEntry) == 6 * sizeof(int32_t));

struct BookmarkModel {
  int32_t pageCount = 0;
  int32_t entryCount = 0;
  BookmarkEntry entries[kBookmarkCapacity] = {};
  PDAction actions[kBookmarkCapacity] = {};
  std::string titles[kBookmarkCapacity];
  int32_t startLevel = 0;
  int32_t startFlag = 0;
  TreeItemHandle levelParents[kLevelParentCount] = {};
};

// Appends a bookmark found at `level` on `firstPage`; its last page is the document's
// page count until the ranges are worked out. A bookmark nested deeper than
// kDeepestLevel is listed at kDeepestLevel (after its deepest listed ancestor, as that
// one's sibling), and one above the top level (an outline root that carries an action
// of its own) at level 1. Returns false, adding nothing, once the model holds
// kBookmarkCapacity entries.
bool AppendBookmarkEntry(BookmarkModel& model, int32_t level, int32_t firstPage,
                         int32_t performsAction, std::string_view title, PDAction action);
