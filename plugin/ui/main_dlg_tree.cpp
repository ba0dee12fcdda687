// The main dialog's bookmark model, its tree and the status line.
#include "main_dlg.h"

#include <commctrl.h>

#include "model/outline_reader.h"
#include "model/timing_log.h"
#include "page_count_text.h"

void CMainDlg::BuildBookmarkModel() {
  BuildTiming timing;
  ReadBookmarkOutline(model, setup.layeredPdf, timing);
  if (TimingLogEnabled()) AppendTimingLine(FormatBuildTiming(timing));
}

void CMainDlg::FillBookmarkTree() {
  FillTiming timing;
  ::FillBookmarkTree(Tree(), model, treeItems, timing);
  if (TimingLogEnabled()) AppendTimingLine(FormatFillTiming(timing));
}

void CMainDlg::ExpandBookmarkTree(int code) {
  ExpandTiming timing;
  ::ExpandBookmarkTree(Tree(), model, treeItems, code, timing);
  if (TimingLogEnabled()) AppendTimingLine(FormatExpandTiming(timing));
}

void CMainDlg::RebuildBookmarkTree() {
  HWND tree = Tree();
  const CTreeHiddenDuringChange hidden(tree);
  ClearTiming timing;
  const bool ours = ClearBookmarkTree(tree, model, treeItems, timing);
  if (TimingLogEnabled()) AppendTimingLine(FormatClearTiming(timing));
  if (!ours) return;
  BuildBookmarkModel();
  FillBookmarkTree();
  if (autoExpand) ExpandBookmarkTree(TVE_EXPAND);
}

void CMainDlg::UpdatePageCount() {
  UpdateData(true);
  pageCountText = PageCountText(tickedPageCount, model.pageCount);
  UpdateData(false);
}

void CMainDlg::OnAutoExpand() {
  UpdateData(true);
  ExpandBookmarkTree(autoExpand ? TVE_EXPAND : TVE_COLLAPSE);
}
