// Showing the bookmark model in the dialog's tree control: one item per entry.
#pragma once

#include <windows.h>

#include <string>

#include "bookmark_model.h"
#include "timing_log.h"
#include "tree_shape.h"

// The items FillBookmarkTree inserted, one per entry and in the model's order, which
// is the tree's own pre-order. Walking the tree by asking it for each next item costs
// a search of all its items per request in Wine's tree control; this list does not.
struct BookmarkTreeItems {
  int32_t count = 0;
  TreeItemHandle items[kBookmarkCapacity] = {};
  // How the items hang together.
  TreeShape shape;
  // Counts the clears and fills: a walk over the items that sees it change (a handler
  // run by its pump rebuilt the tree) must not go on with the handles it holds.
  uint32_t generation = 0;
  // From a clear until a fill has given the items their shape: handlers run by the
  // fill's pump leave the items alone meanwhile.
  bool filling = false;
};

// The entry of a tree item; -1 for an item that is not one of them.
int32_t EntryOfItem(const BookmarkTreeItems& items, TreeItemHandle item);

// Deletes every item of the tree and sets every level parent to the tree's root; the
// items are being filled until FillBookmarkTree has run. The items go last first (each
// a leaf by then), pumping the message queue now and then: Wine's control takes a
// tenth of a second for a tree of sixteen thousand items in one request. Answers false
// when a rebuild run by the pump took the tree over: the caller then leaves it be.
bool ClearBookmarkTree(HWND tree, BookmarkModel& model, BookmarkTreeItems& items,
                       ClearTiming& timing);

// Works out the entries' page ranges, then inserts one item per entry, labelled with
// its title and pages, as the last child of the item last inserted one level up.
void FillBookmarkTree(HWND tree, BookmarkModel& model, BookmarkTreeItems& items,
                      FillTiming& timing);

// Sends TVM_EXPAND with `code` (2 expands, 1 collapses) to every item that has
// children, pumping the message queue now and then. A shown tree is hidden while it
// changes, since Wine's tree control lays out all shown items again on every change.
void ExpandBookmarkTree(HWND tree, const BookmarkModel& model, const BookmarkTreeItems& items,
                        int code, ExpandTiming& timing);

// The label the tree shows for an item.
std::string ItemLabel(HWND tree, TreeItemHandle item);

// Scrolls the tree so that `item`, which is shown, is its first row. (Asking the
// control to make it the first visible item does nothing when it is the selected item.)
void ScrollItemToTop(HWND tree, TreeItemHandle item);

// Hides a shown tree control for a bulk change and shows it again afterwards, with
// the focus back if it had it.
class CTreeHiddenDuringChange {
 public:
  explicit CTreeHiddenDuringChange(HWND tree);
  ~CTreeHiddenDuringChange();
  CTreeHiddenDuringChange(const CTreeHiddenDuringChange&) = delete;
  CTreeHiddenDuringChange& operator=(const CTreeHiddenDuringChange&) = delete;

  bool Hidden() const { return hidden_; }

 private:
  HWND tree_;
  bool hidden_ = false;
  bool hadFocus_ = false;
};
