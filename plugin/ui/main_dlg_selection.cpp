// The main dialog's checking and selection: the ticking rules, the select tools, the
// jump to a bookmark's page, the selection refresh and "Select thumbnails".
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "framework/message_pump.h"
#include "framework/stopwatch.h"
#include "host/guarded_calls.h"
#include "main_dlg.h"
#include "model/bookmark_label.h"
#include "model/bookmark_lookup.h"
#include "model/tree_check_boxes.h"
#include "thumbnail_selection.h"

namespace {

constexpr UINT_PTR kRecountTimer = 1;
constexpr UINT kRecountDelayMs = 50;

// Lower case as the system's code page has it, multi-byte characters included.
std::string LowerCase(std::string text) {
  if (!text.empty()) CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

}  // namespace

void CMainDlg::StartRecountTimer() { SetTimer(GetSafeHwnd(), kRecountTimer, kRecountDelayMs, nullptr); }

void CMainDlg::SetAllChecks(bool checked) {
  const CStopwatch watch;
  CTreeCheckBoxes boxes(Tree(), treeItems, TimingLogEnabled(), &quietSelection_);
  ::SetAllChecks(treeItems.shape, boxes, checked);
  ApplyChecks(boxes, "all", watch);
}

void CMainDlg::ApplyAutoCheck(TreeItemHandle item, bool oldState) {
  if (setup.intelCheckOff) return;
  PumpMessages();
  // Looked up after the pump, which may have rebuilt the tree.
  const int32_t entry = EntryOfItem(treeItems, item);
  if (entry < 0) return;
  const CStopwatch watch;
  CTreeCheckBoxes boxes(Tree(), treeItems, TimingLogEnabled(), &quietSelection_);
  ::ApplyAutoCheck(treeItems.shape, boxes, entry, oldState);
  ApplyChecks(boxes, "click", watch);
}

void CMainDlg::CheckLevel(int level) {
  const CStopwatch watch;
  CTreeCheckBoxes boxes(Tree(), treeItems, TimingLogEnabled(), &quietSelection_);
  ::CheckLevel(treeItems.shape, boxes, level);
  ApplyChecks(boxes, "level", watch);
}

// The page part of a label is searched too: "pages" finds every bookmark of more
// than one page.
void CMainDlg::CheckByText(const std::string& text) {
  const CStopwatch watch;
  const std::string wanted = LowerCase(text);
  CTreeCheckBoxes boxes(Tree(), treeItems, TimingLogEnabled(), &quietSelection_);
  const auto matches = [&](int32_t entry) {
    const BookmarkEntry& e = model.entries[entry];
    const std::string label = LowerCase(BookmarkLabel(model.titles[entry], e.firstPage, e.lastPage));
    return std::strstr(label.c_str(), wanted.c_str()) != nullptr;
  };
  CheckMatching(treeItems.shape, boxes, matches, setup.intelCheckOff == 0);
  ApplyChecks(boxes, "text", watch);
}

// Writes the boxes the rules set and, when timing, says where the time went since
// `watch` started.
void CMainDlg::ApplyChecks(CTreeCheckBoxes& boxes, const char* tool, const CStopwatch& watch) {
  ChecksTiming timing;
  timing.tool = tool;
  const double pumpedWhileRuling = boxes.Pump().PumpedMs();
  timing.rulesMs = watch.ElapsedMs() - pumpedWhileRuling;
  timing.changed = boxes.Apply();
  if (!TimingLogEnabled()) return;
  timing.read = boxes.Reads();
  timing.pumpMs = boxes.Pump().PumpedMs();
  timing.applyMs = watch.ElapsedMs() - timing.rulesMs - timing.pumpMs;
  timing.treeHidden = boxes.TreeWasHidden();
  AppendTimingLine(FormatChecksTiming(timing));
}

void CMainDlg::GoToBookmark(TreeItemHandle item) {
  if (!item) return;
  const AVDoc doc = ActiveDocument();
  if (!doc) return;
  const std::string label = ItemLabel(Tree(), item);
  const LabelPages pages = ParseBookmarkLabel(label.c_str());
  if (pages.first > 0) ShowPage(doc, pages.first - 1);
  const int entry = FindEntryByTitlePart(model, LabelTitlePart(label));
  // Bookmarks of a layered document show their own view and layers.
  if (entry >= 0 && model.entries[entry].performsAction == 1)
    PerformAction(doc, model.actions[entry]);
}

void CMainDlg::MarkTickedFromTree() {
  if (treeItems.filling) return;
  CTreeCheckBoxes boxes(Tree(), treeItems, false);
  const CheckStates checked = boxes.ReadAll();
  if (boxes.Current()) MarkTickedEntries(model, treeItems.shape, checked);
}

void CMainDlg::RefreshSelection(bool dropNested) {
  // The tree is being rebuilt: the refresh after it reads the new boxes.
  if (treeItems.filling) return;
  const bool timed = TimingLogEnabled();
  RefreshTiming timing;
  const CStopwatch watch;
  CTreeCheckBoxes boxes(Tree(), treeItems, timed);
  const CheckStates checked = boxes.ReadAll();
  // Reading pumps: a rebuild may have run meanwhile, and its own refresh stands.
  if (!boxes.Current()) return;
  timing.readMs = watch.ElapsedMs();
  MarkTickedEntries(model, treeItems.shape, checked);
  timing.markMs = watch.ElapsedMs() - timing.readMs;
  if (dropNested) DropNestedTicks(model);
  timing.dropMs = watch.ElapsedMs() - timing.readMs - timing.markMs;
  PumpMessages();
  tickedPageCount = TickedPageCount(model);
  UpdatePageCount();
  if (!timed) return;
  timing.pumpMs = boxes.Pump().PumpedMs();
  timing.readMs -= timing.pumpMs;
  for (const uint8_t c : checked) timing.checked += c;
  for (int32_t i = 0; i < model.entryCount; ++i) timing.ticked += model.entries[i].ticked;
  AppendTimingLine(FormatRefreshTiming(timing));
}

// A command run: the box clicked again while the pages are added would clear the page
// lists this run goes on appending to.
void CMainDlg::SelectThumbnails() {
  UpdateData(true);
  const CommandRun run(*this);
  // A "Find" still searching gives up: this later request stands.
  ++pageSizes.searches;
  thumbnailPageList.clear();
  for (std::string& list : levelThumbnailPageLists) list.clear();
  const AVDoc doc = ActiveDocument();
  if (!doc) return;
  ThumbnailTarget target;
  if (!PrepareThumbnails(doc, selectThumbnails != 0, target) || !selectThumbnails) return;

  RefreshSelection(setup.thumbsIncSub1 == 0);
  const bool firstOnly = setup.thumbsOne != 0 || setup.thumbsPrior != 0;
  const int32_t shift = setup.thumbsPrior != 0 ? 1 : 0;
  const std::vector<ThumbnailPage> pages = PlanThumbnailPages(model, firstOnly, shift);
  // Without a server for thumbnails, no page can be added.
  if (target.server) {
    CPeriodicPump pump(false);
    for (size_t k = 0; k < pages.size(); ++k) {
      const ThumbnailPage& page = pages[k];
      // The first page starts the selection afresh; the others join it.
      const bool added = k == 0 ? StartThumbnailSelection(doc, target, page.page - 1)
                                : AddThumbnail(doc, target, page.page - 1);
      if (added) {
        AppendPageToList(thumbnailPageList, page.page);
        if (page.level >= 0 && page.level < kThumbnailLevelLists)
          AppendPageToList(levelThumbnailPageLists[page.level], page.page);
      }
      pump.Step();
    }
  }
  ShowThumbnailSelection(doc, target);
}

void CMainDlg::OnSelectAll() {
  UpdateData(true);
  SetAllChecks(selectAll != 0);
  StartRecountTimer();
}

void CMainDlg::OnFindText() {
  UpdateData(true);
  if (!selectText.empty()) CheckByText(selectText);
  StartRecountTimer();
}

void CMainDlg::OnSelectLevel() {
  if (UpdateData(true)) {
    if (selectLevel > 0) {
      CheckLevel(selectLevel);
    } else if (selectLevel == 0) {
      selectAll = 0;
      UpdateData(false);
      OnSelectAll();
    }
  }
  StartRecountTimer();
}

void CMainDlg::OnSelectThumbnails() { SelectThumbnails(); }

void CMainDlg::OnTreeClick(NMHDR*, LRESULT* result) {
  *result = 0;
  HandleTreeClick(false);
}

// The control toggles a box on the second click of a double click too.
void CMainDlg::OnTreeDoubleClick(NMHDR*, LRESULT* result) {
  *result = 0;
  HandleTreeClick(true);
}

void CMainDlg::HandleTreeClick(bool secondClick) {
  HWND tree = Tree();
  TVHITTESTINFO hit{};
  // Where the click was, as the control saw it: the pointer may have moved on since
  // (under Wine the live position can even lag behind the click just made).
  const DWORD clickPos = GetMessagePos();
  hit.pt = {GET_X_LPARAM(clickPos), GET_Y_LPARAM(clickPos)};
  ScreenToClient(tree, &hit.pt);
  const auto item = reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (!item) return;
  if (hit.flags & TVHT_ONITEMSTATEICON) {
    ApplyAutoCheck(item, IsItemChecked(tree, item));
    StartRecountTimer();
  } else if ((hit.flags & TVHT_ONITEMLABEL) && !secondClick) {
    GoToBookmark(item);
  }
}

void CMainDlg::OnTreeKeyDown(NMHDR* header, LRESULT* result) {
  *result = 0;
  const auto* key = reinterpret_cast<const NMTVKEYDOWN*>(header);
  if (key->wVKey != VK_SPACE) return;
  HWND tree = Tree();
  const auto caret =
      reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (caret) ApplyAutoCheck(caret, IsItemChecked(tree, caret));
  StartRecountTimer();
}

void CMainDlg::OnTreeSelectionChanged(NMHDR* header, LRESULT* result) {
  *result = 0;
  if (quietSelection_) return;
  GoToBookmark(reinterpret_cast<const NMTREEVIEWA*>(header)->itemNew.hItem);
}

// Any timer: the one timer of the dialog is the recount's.
bool CMainDlg::OnTimer(WPARAM, LPARAM, LRESULT*) {
  // While the tree is being filled the timer keeps running: the refresh comes after.
  if (treeItems.filling) return false;
  KillTimer(GetSafeHwnd(), kRecountTimer);
  RefreshSelection(true);
  return false;
}
