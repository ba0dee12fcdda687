#include "tree_check_boxes.h"

namespace {

// State image 1 is the empty box, 2 the ticked one.
constexpr UINT kUncheckedImage = 1;
constexpr UINT kCheckedImage = 2;

// More changes than this are written with the control hidden.
constexpr size_t kChangesWhileShown = 32;

}  // namespace

bool IsItemChecked(HWND tree, HTREEITEM item) {
  const auto state = static_cast<UINT>(
      SendMessageA(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_STATEIMAGEMASK));
  return ((state & TVIS_STATEIMAGEMASK) >> 12) == kCheckedImage;
}

void SetItemChecked(HWND tree, HTREEITEM item, bool checked) {
  TVITEMA change{};
  change.mask = TVIF_HANDLE | TVIF_STATE;
  change.hItem = item;
  change.stateMask = TVIS_STATEIMAGEMASK;
  change.state = INDEXTOSTATEIMAGEMASK(checked ? kCheckedImage : kUncheckedImage);
  SendMessageA(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change));
}

CTreeCheckBoxes::CTreeCheckBoxes(HWND tree, const BookmarkTreeItems& items, bool timed)
    : tree_(tree),
      items_(items),
      shown_(static_cast<size_t>(items.count), -1),
      wanted_(static_cast<size_t>(items.count), -1),
      pump_(timed) {}

bool CTreeCheckBoxes::IsChecked(int32_t entry) {
  if (!Has(entry)) return false;
  const auto at = static_cast<size_t>(entry);
  if (wanted_[at] >= 0) return wanted_[at] != 0;
  if (shown_[at] < 0) {
    shown_[at] = IsItemChecked(tree_, items_.items[entry]) ? 1 : 0;
    ++reads_;
    pump_.Step();
  }
  return shown_[at] != 0;
}

void CTreeCheckBoxes::SetChecked(int32_t entry, bool checked) {
  if (!Has(entry)) return;
  const auto at = static_cast<size_t>(entry);
  if (wanted_[at] < 0) set_.push_back(entry);
  wanted_[at] = checked ? 1 : 0;
}

CheckStates CTreeCheckBoxes::ReadAll() {
  CheckStates states(static_cast<size_t>(items_.count), 0);
  for (int32_t entry = 0; entry < items_.count; ++entry)
    states[static_cast<size_t>(entry)] = IsChecked(entry) ? 1 : 0;
  return states;
}

int CTreeCheckBoxes::Apply() {
  std::vector<int32_t> changes;
  for (const int32_t entry : set_) {
    const auto at = static_cast<size_t>(entry);
    if (wanted_[at] != shown_[at]) changes.push_back(entry);
  }
  // Hidden, the control takes no clicks meanwhile, so the queue can be drained.
  const bool bulk = changes.size() > kChangesWhileShown;
  {
    const CTreeHiddenDuringChange hidden(bulk ? tree_ : nullptr);
    treeWasHidden_ = hidden.Hidden();
    for (const int32_t entry : changes) {
      SetItemChecked(tree_, items_.items[entry], wanted_[static_cast<size_t>(entry)] != 0);
      if (bulk) pump_.Step();
    }
  }
  for (const int32_t entry : set_) {
    const auto at = static_cast<size_t>(entry);
    shown_[at] = wanted_[at];
    wanted_[at] = -1;
  }
  set_.clear();
  return static_cast<int>(changes.size());
}
