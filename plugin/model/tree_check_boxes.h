// The check boxes of the bookmark tree control, read and written for the checking
// rules. Every request to Wine's tree control searches all its items for the handle,
// and every change of an item whose branch is open lays out all open items again
// (whether the control is shown or not), so boxes are read once each and written
// together at the end; many at once are written with the control hidden and the open
// top-level branches that hold them folded meanwhile.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "bookmark_tree.h"
#include "check_rules.h"
#include "framework/message_pump.h"
#include "selection_refresh.h"

bool IsItemChecked(HWND tree, HTREEITEM item);
void SetItemChecked(HWND tree, HTREEITEM item, bool checked);

class CTreeCheckBoxes final : public CheckBoxes {
 public:
  // `timed`: keep figures for the timing log. While branches are folded and opened
  // again, `quietSelection` (when given) is raised: the selection moves and comes
  // back, and that is no choice of the user's.
  CTreeCheckBoxes(HWND tree, const BookmarkTreeItems& items, bool timed,
                  int* quietSelection = nullptr);

  bool IsChecked(int32_t entry) override;
  void SetChecked(int32_t entry, bool checked) override;

  // Every item's box as the control shows it now, by entry.
  CheckStates ReadAll();
  // Writes the boxes set since into the control; returns how many changed.
  int Apply();

  // The tree is still the one this object was made for.
  bool Current() const { return items_.generation == generation_ && !items_.filling; }
  int Reads() const { return reads_; }
  bool TreeWasHidden() const { return treeWasHidden_; }
  const CPeriodicPump& Pump() const { return pump_; }

 private:
  // The entry's item, while the tree is the one this object was made for: a handler
  // run by a pump may have cleared or rebuilt it meanwhile.
  bool Has(int32_t entry) const {
    return Current() && entry >= 0 && static_cast<size_t>(entry) < shown_.size() &&
           entry < items_.count && items_.items[entry];
  }

  // Folds the open top-level branches that hold changes below their top; answers them.
  std::vector<int32_t> FoldBranchesOf(const std::vector<int32_t>& changes);
  void Unfold(const std::vector<int32_t>& folded, HTREEITEM firstShown, HTREEITEM selected);

  HWND tree_;
  const BookmarkTreeItems& items_;
  uint32_t generation_;
  std::vector<int8_t> shown_;   // by entry: as read from the control, -1 not yet read
  std::vector<int8_t> wanted_;  // by entry: as set, -1 not set
  std::vector<int32_t> set_;    // entries set, each once
  CPeriodicPump pump_;
  int* quietSelection_;
  int reads_ = 0;
  bool treeWasHidden_ = false;
};
