// The check boxes of the bookmark tree control, read and written for the checking
// rules. Every request to Wine's tree control searches all its items for the handle,
// and every change of a shown item lays out all shown items again, so boxes are read
// once each and written together at the end, many at once with the control hidden.
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
  // `timed`: keep figures for the timing log.
  CTreeCheckBoxes(HWND tree, const BookmarkTreeItems& items, bool timed);

  bool IsChecked(int32_t entry) override;
  void SetChecked(int32_t entry, bool checked) override;

  // Every item's box as the control shows it now, by entry.
  CheckStates ReadAll();
  // Writes the boxes set since into the control; returns how many changed.
  int Apply();

  int Reads() const { return reads_; }
  bool TreeWasHidden() const { return treeWasHidden_; }
  const CPeriodicPump& Pump() const { return pump_; }

 private:
  bool Has(int32_t entry) const { return entry >= 0 && entry < items_.count && items_.items[entry]; }

  HWND tree_;
  const BookmarkTreeItems& items_;
  std::vector<int8_t> shown_;   // by entry: as read from the control, -1 not yet read
  std::vector<int8_t> wanted_;  // by entry: as set, -1 not set
  std::vector<int32_t> set_;    // entries set, each once
  CPeriodicPump pump_;
  int reads_ = 0;
  bool treeWasHidden_ = false;
};
