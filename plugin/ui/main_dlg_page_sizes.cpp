// The main dialog's page sizes: the page-sizes file read into the combo box, "Find"
// by page size, and the found pages selected in the thumbnails pane.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "framework/message_pump.h"
#include "host/guarded_calls.h"
#include "main_dlg.h"
#include "resource.h"
#include "thumbnail_selection.h"

namespace {

// Pages beyond this many are not searched.
constexpr ASInt32 kSearchedPageLimit = 99999;

}  // namespace

bool CMainDlg::ReadPageSizes(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  ReadPageSizeTable(file, pageSizes.table);
  std::fclose(file);
  HWND list = GetDlgItem(IDC_PAGE_SIZE_LIST);
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  for (int32_t i = 0; i < pageSizes.table.count; ++i) {
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pageSizes.table.records[i].name));
  }
  // Emptying the list emptied the edit part too; a file without sizes must not lose
  // the page size the settings hold.
  if (pageSizes.table.count == 0) SetWindowTextA(list, pageSizeName.c_str());
  SelectPageSizeEntry();
  return true;
}

void CMainDlg::OnFindPageSize() { FindByPageSize(); }

void CMainDlg::FindByPageSize() {
  if (!UpdateData(true) || pageSizeName.empty()) return;
  const AVDoc doc = ActiveDocument();
  PDDoc document = nullptr;
  ASInt32 pageCount = 0;
  if (!doc || !DocumentPageCount(doc, document, pageCount)) {
    AlertNote("Get Active document error");
    return;
  }
  // Copies: a handler run by the pump may read the sizes again or run another Find.
  const std::vector<PageSizeRecord> records = RecordsNamed(pageSizes.table, pageSizeName);
  auto found = std::make_unique<FoundPages>();
  // A name that no size has finds nothing, whatever the pages are.
  const ASInt32 searched = records.empty() ? 0 : std::min(pageCount, kSearchedPageLimit);
  const int search = ++pageSizes.searches;
  CPeriodicPump pump(false);
  for (ASInt32 page = 0; page < searched; ++page) {
    ASFixedRect box{};
    ASErrorCode error = 0;
    if (!ReadPageCropBox(document, page, box, error)) {
      // The search is given up whole: the last found pages and selection stay.
      AlertHostError(error);
      return;
    }
    if (!AppendMatchingPage(*found, records, page, PageSizeInMillimetres(box))) break;
    pump.Step();
    // A "Find" pressed meanwhile has found and selected its own pages: the later
    // request stands.
    if (pageSizes.searches != search) return;
  }
  pageSizes.found = *found;
  // The box alone: writing every value back would undo what the user changed in the
  // other controls while the pages were searched (a size chosen for the next "Find").
  selectThumbnails = 1;
  CheckDlgButton(GetSafeHwnd(), IDC_SELECT_THUMBNAILS, BST_CHECKED);
  SelectFoundThumbnails(search);
}

// A "Find" or "Select thumbnails" taken while the pages are added makes its own
// selection: this one then stops, so that the two never mix.
void CMainDlg::SelectFoundThumbnails(int search) {
  UpdateData(true);
  const AVDoc doc = ActiveDocument();
  if (!doc) return;
  ThumbnailTarget target;
  if (!PrepareThumbnails(doc, true, target)) return;
  // A copy: a Find run by the pump replaces the list.
  const std::vector<int32_t> pages(pageSizes.found.pages,
                                   pageSizes.found.pages + pageSizes.found.count);
  // Without a server for thumbnails, no page can be selected.
  if (target.server) {
    CPeriodicPump pump(false);
    for (size_t k = 0; k < pages.size(); ++k) {
      // The first page starts the selection afresh; the others join it.
      if (k == 0) {
        StartThumbnailSelection(doc, target, pages[k]);
      } else {
        AddThumbnail(doc, target, pages[k]);
      }
      pump.Step();
      if (pageSizes.searches != search) return;
    }
  }
  ShowThumbnailSelection(doc, target);
}
