#include "bookmark_tree.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

#include "bookmark_label.h"
#include "bookmark_ranges.h"
#include "expansion_order.h"
#include "framework/message_pump.h"
#include "framework/stopwatch.h"

CTreeHiddenDuringChange::CTreeHiddenDuringChange(HWND tree) : tree_(tree) {
  if (!tree_ || !IsWindowVisible(tree_)) return;
  hadFocus_ = GetFocus() == tree_;
  ShowWindow(tree_, SW_HIDE);
  hidden_ = true;
}

CTreeHiddenDuringChange::~CTreeHiddenDuringChange() {
  if (!hidden_ || !IsWindow(tree_)) return;
  ShowWindow(tree_, SW_SHOW);
  // The control scrolls its window while hidden too; paint all of it afresh.
  InvalidateRect(tree_, nullptr, TRUE);
  if (hadFocus_) SetFocus(tree_);
}

void ScrollItemToTop(HWND tree, TreeItemHandle item) {
  // The request takes the item in the rectangle it fills.
  RECT row{};
  static_assert(sizeof row >= sizeof item);
  std::memcpy(&row, &item, sizeof item);
  if (!SendMessageA(tree, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&row))) return;
  const LRESULT rowHeight = SendMessageA(tree, TVM_GETITEMHEIGHT, 0, 0);
  if (rowHeight <= 0 || row.top == 0) return;
  const int position = GetScrollPos(tree, SB_VERT) + row.top / static_cast<int>(rowHeight);
  SendMessageA(tree, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position < 0 ? 0 : position), 0);
}

std::string ItemLabel(HWND tree, TreeItemHandle item) {
  char text[kLabelBufferSize] = {};
  TVITEMA request{};
  request.mask = TVIF_HANDLE | TVIF_TEXT;
  request.hItem = item;
  request.pszText = text;
  request.cchTextMax = sizeof text;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request));
  return text;
}

bool ClearBookmarkTree(HWND tree, BookmarkModel& model, BookmarkTreeItems& items,
                       ClearTiming& timing) {
  const bool timed = TimingLogEnabled();
  const CStopwatch watch;
  CPeriodicPump pump(timed);
  for (TreeItemHandle& parent : model.levelParents) parent = TVI_ROOT;
  items.shape = TreeShape{};
  items.filling = true;
  const uint32_t generation = ++items.generation;
  timing.items = items.count;
  while (items.count > 0) {
    // Out of the list before it leaves the tree, so that no handler sees a dead handle.
    const TreeItemHandle item = items.items[--items.count];
    if (tree) SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
    pump.Step();
    if (items.generation != generation) return false;
  }
  // Whatever the list did not hold (none when the last fill ran whole).
  if (tree) SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  if (timed) {
    timing.deleteMs = watch.ElapsedMs() - pump.PumpedMs();
    timing.pumpMs = pump.PumpedMs();
    timing.pumps = pump.Pumps();
  }
  return true;
}

int32_t EntryOfItem(const BookmarkTreeItems& items, TreeItemHandle item) {
  if (!item) return -1;
  for (int32_t i = 0; i < items.count; ++i)
    if (items.items[i] == item) return i;
  return -1;
}

void FillBookmarkTree(HWND tree, BookmarkModel& model, BookmarkTreeItems& items,
                      FillTiming& timing) {
  const bool timed = TimingLogEnabled();
  const CStopwatch watch;
  AssignBookmarkRanges(model);
  if (timed) timing.rangesMs = watch.ElapsedMs();

  const CStopwatch insertWatch;
  CPeriodicPump pump(timed);
  char label[kLabelBufferSize];
  items.count = 0;
  items.shape = TreeShape{};
  items.filling = true;
  const uint32_t generation = ++items.generation;
  for (int32_t i = 0; i < model.entryCount; ++i) {
    const BookmarkEntry& entry = model.entries[i];
    FormatBookmarkLabel(model.titles[i], entry.firstPage, entry.lastPage, label);
    TVINSERTSTRUCTA insert{};
    insert.hParent = model.levelParents[entry.level - 1];
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = label;
    insert.item.iImage = 0;
    insert.item.iSelectedImage = 0;
    const auto item = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    model.levelParents[entry.level] = item;
    items.items[items.count++] = item;
    pump.Step();
    // A rebuild run by the pump has filled the tree afresh: it stands.
    if (items.generation != generation) return;
  }
  items.shape = BuildTreeShape(model);
  items.filling = false;
  if (!timed) return;
  timing.insertsMs = insertWatch.ElapsedMs() - pump.PumpedMs();
  timing.pumpMs = pump.PumpedMs();
  timing.pumps = pump.Pumps();
  timing.items = items.count;
}

void ExpandBookmarkTree(HWND tree, const BookmarkModel& model, const BookmarkTreeItems& items,
                        int code, ExpandTiming& timing) {
  if (!tree || items.filling) return;
  const uint32_t generation = items.generation;
  const bool timed = TimingLogEnabled();
  const CStopwatch watch;
  std::vector<int32_t> order(static_cast<size_t>(model.entryCount));
  const int32_t requests = ExpansionOrder(items.shape, order.data());
  const double walkMs = timed ? watch.ElapsedMs() : 0;

  CPeriodicPump pump(timed);
  int32_t sent = 0;
  bool hidden = false;
  const bool collapsing = code != TVE_EXPAND;
  {
    const CTreeHiddenDuringChange hiddenTree(tree);
    hidden = hiddenTree.Hidden();
    // Expanding an item scrolls Wine's control to show its children; the view stays
    // where it was instead. Collapsing leaves the control to scroll to what is left.
    const auto top = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
    // While collapsing, the control need not keep its scroll bars up to date.
    if (collapsing) SendMessageA(tree, WM_SETREDRAW, FALSE, 0);
    for (int32_t k = 0; k < requests; ++k) {
      const int32_t i = order[static_cast<size_t>(k)];
      // The handles are the tree's only while no rebuild ran meanwhile.
      if (items.generation != generation) break;
      if (i >= items.count || !items.items[i]) continue;
      // An item already open (or closed) stays as it is; asking again would only make
      // Wine lay out every open item once more.
      const auto state = static_cast<UINT>(SendMessageA(
          tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(items.items[i]), TVIS_EXPANDED));
      if (((state & TVIS_EXPANDED) != 0) == !collapsing) continue;
      SendMessageA(tree, TVM_EXPAND, static_cast<WPARAM>(code),
                   reinterpret_cast<LPARAM>(items.items[i]));
      ++sent;
      pump.Step();
    }
    if (!collapsing && top) ScrollItemToTop(tree, top);
  }
  // Redrawing on lays out every shown row afresh, which also repairs the row numbers
  // Wine leaves behind when an item is collapsed under an already collapsed ancestor
  // (a tree the user had partly collapsed); few rows are left after a collapse.
  if (collapsing) {
    SendMessageA(tree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree, nullptr, TRUE);
  }
  if (!timed) return;
  timing.code = code;
  timing.items = sent;
  timing.walkMs = walkMs;
  timing.expandMs = watch.ElapsedMs() - walkMs - pump.PumpedMs();
  timing.pumpMs = pump.PumpedMs();
  timing.pumps = pump.Pumps();
  timing.treeHidden = hidden;
}
