#include "tree_check_boxes.h"

#include <cstdlib>
#include <cstring>

namespace {

// State image 1 is the empty box, 2 the ticked one.
constexpr UINT kUncheckedImage = 1;
constexpr UINT kCheckedImage = 2;

// More changes than this are written with the control hidden.
constexpr size_t kChangesWhileShown = 32;

// For the benchmark's comparison: TESSALY_PLAIN_CHECKS=1 writes every box the plain
// way, one at a time into the shown control, draining the queue before each.
bool PlainWrites() {
  static const bool plain = [] {
    const char* value = std::getenv("TESSALY_PLAIN_CHECKS");
    return value != nullptr && std::strcmp(value, "1") == 0;
  }();
  return plain;
}

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

CTreeCheckBoxes::CTreeCheckBoxes(HWND tree, const BookmarkTreeItems& items, bool timed,
                                 int* quietSelection)
    : tree_(tree),
      items_(items),
      generation_(items.generation),
      shown_(static_cast<size_t>(items.filling ? 0 : items.count), -1),
      wanted_(static_cast<size_t>(items.filling ? 0 : items.count), -1),
      pump_(timed),
      quietSelection_(quietSelection) {}

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
  CheckStates states(shown_.size(), 0);
  for (size_t entry = 0; entry < states.size(); ++entry)
    states[entry] = IsChecked(static_cast<int32_t>(entry)) ? 1 : 0;
  return states;
}

std::vector<int32_t> CTreeCheckBoxes::FoldBranchesOf(const std::vector<int32_t>& changes) {
  if (!Current()) return {};
  const TreeShape& shape = items_.shape;
  std::vector<uint8_t> holdsChanges(static_cast<size_t>(items_.count), 0);
  std::vector<int32_t> tops;
  for (const int32_t entry : changes) {
    int32_t top = entry;
    while (shape.parent[top] >= 0) top = shape.parent[top];
    if (top == entry || holdsChanges[static_cast<size_t>(top)]) continue;
    holdsChanges[static_cast<size_t>(top)] = 1;
    tops.push_back(top);
  }
  std::vector<int32_t> folded;
  for (const int32_t top : tops) {
    if (!Has(top)) break;
    HTREEITEM item = items_.items[top];
    const auto state = static_cast<UINT>(
        SendMessageA(tree_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED));
    if (!(state & TVIS_EXPANDED)) continue;
    // The branch's own items keep their open state for when it opens again.
    SendMessageA(tree_, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(item));
    folded.push_back(top);
    pump_.Step();
  }
  return folded;
}

void CTreeCheckBoxes::Unfold(const std::vector<int32_t>& folded, HTREEITEM firstShown,
                             HTREEITEM selected) {
  if (folded.empty()) return;
  for (const int32_t top : folded) {
    if (!Has(top)) return;
    SendMessageA(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(items_.items[top]));
    pump_.Step();
  }
  // Folding moved the selection up to a folded item; opening scrolled the view.
  if (selected &&
      reinterpret_cast<HTREEITEM>(SendMessageA(tree_, TVM_GETNEXTITEM, TVGN_CARET, 0)) != selected)
    SendMessageA(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(selected));
  if (firstShown) ScrollItemToTop(tree_, firstShown);
}

int CTreeCheckBoxes::Apply() {
  std::vector<int32_t> changes;
  for (const int32_t entry : set_) {
    const auto at = static_cast<size_t>(entry);
    if (wanted_[at] != shown_[at]) changes.push_back(entry);
  }
  // Hidden, the control takes no clicks meanwhile, so the queue can be drained.
  const bool bulk = changes.size() > kChangesWhileShown;
  if (PlainWrites()) {
    for (const int32_t entry : set_) {
      PumpMessages();
      if (!Has(entry)) break;
      SetItemChecked(tree_, items_.items[entry], wanted_[static_cast<size_t>(entry)] != 0);
    }
  } else if (bulk) {
    const CTreeHiddenDuringChange hidden(tree_);
    treeWasHidden_ = hidden.Hidden();
    const auto firstShown = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree_, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
    const auto selected =
        reinterpret_cast<HTREEITEM>(SendMessageA(tree_, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (quietSelection_) ++*quietSelection_;
    const std::vector<int32_t> folded = FoldBranchesOf(changes);
    for (const int32_t entry : changes) {
      if (!Has(entry)) break;
      SetItemChecked(tree_, items_.items[entry], wanted_[static_cast<size_t>(entry)] != 0);
      pump_.Step();
    }
    Unfold(folded, firstShown, selected);
    if (quietSelection_) --*quietSelection_;
  } else {
    for (const int32_t entry : changes)
      SetItemChecked(tree_, items_.items[entry], wanted_[static_cast<size_t>(entry)] != 0);
  }
  for (const int32_t entry : set_) {
    const auto at = static_cast<size_t>(entry);
    shown_[at] = wanted_[at];
    wanted_[at] = -1;
  }
  set_.clear();
  return static_cast<int>(changes.size());
}
