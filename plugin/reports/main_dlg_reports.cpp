// The main dialog's reports: the comma-delimited page-number files, the bookmark
// exports, and the import of a file of page numbers into the thumbnail selection.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "bookmark_export.h"
#include "framework/file_dialogs.h"
#include "framework/whole_files.h"
#include "host/guarded_calls.h"
#include "model/nested_selection.h"
#include "page_number_import.h"
#include "page_number_reports.h"
#include "ui/main_dlg.h"
#include "ui/thumbnail_selection.h"

namespace {

constexpr FileDialogRequest kReportDialog{"Save page numbers", "*.txt\0*.txt\0All Files *.*\0*.*\0",
                                          "txt"};
constexpr FileDialogRequest kExportDialog{"Save bookmarks to csv file",
                                          "*.csv\0*.csv\0All Files *.*\0*.*\0", "txt"};
constexpr FileDialogRequest kImportDialog{"Open Page Texxt File",
                                          "*.txt\0*.txt\0All Files *.*\0*.*\0", "TXT"};
constexpr const char* kNothingToSave =
    "Nothing to save, please select thumbnails through interface checkbox option.";

}  // namespace

void CMainDlg::ShowReportMessage(const char* text) {
  MessageBoxA(GetSafeHwnd(), text, kMessageCaption, MB_OK);
}

// A report's file, written whole; "file saved" when it was. A file that cannot be
// written is passed over without a word.
void CMainDlg::SaveReport(const std::string& path, const std::string& text) {
  if (WriteWholeFile(path, text)) ShowReportMessage("file saved");
}

// The save dialog of the reports, after the controls are copied into the values and
// back; nothing when cancelled.
std::optional<std::string> CMainDlg::ChooseReportFile(bool bookmarkExport) {
  UpdateData(true);
  UpdateData(false);
  return ChooseFileToSave(bookmarkExport ? kExportDialog : kReportDialog);
}

void CMainDlg::OnReportSelected() {
  const auto path = ChooseReportFile(false);
  if (!path) return;
  UpdateData(true);
  // The ticks as the tree shows them, nested ones kept: the report lists every level.
  MarkTickedFromTree();
  SaveReport(*path, TickedByLevelReport(model));
  RefreshSelection(true);
}

void CMainDlg::OnReportFound() {
  const auto path = ChooseReportFile(false);
  if (!path) return;
  UpdateData(true);
  SaveReport(*path, FoundPagesReport(pageSizes.found));
}

void CMainDlg::OnReportThumbnails() { SaveThumbnailReport(false); }

void CMainDlg::OnReportThumbnailsByLevel() { SaveThumbnailReport(true); }

// The pages "Select thumbnails" selected last, all together or by level; refused while
// there are none.
void CMainDlg::SaveThumbnailReport(bool byLevel) {
  const auto path = ChooseReportFile(false);
  if (!path) return;
  UpdateData(true);
  if (thumbnailPageList.empty()) {
    ShowReportMessage(kNothingToSave);
    return;
  }
  SaveReport(*path, byLevel ? ThumbnailsByLevelReport(levelThumbnailPageLists)
                            : ThumbnailsReport(thumbnailPageList));
}

void CMainDlg::OnExportNames() {
  if (const auto path = ChooseReportFile(true)) ExportBookmarkNames(*path, false);
}

void CMainDlg::OnExportNamesNested() {
  if (const auto path = ChooseReportFile(true)) ExportBookmarkNames(*path, true);
}

void CMainDlg::ExportBookmarkNames(const std::string& path, bool nested) {
  // The ticks before widening, put back when the file cannot be written: the selection
  // is widened only by an export that took place.
  std::vector<int32_t> ticked(static_cast<size_t>(model.entryCount));
  for (int32_t i = 0; i < model.entryCount; ++i) ticked[static_cast<size_t>(i)] = model.entries[i].ticked;
  WidenSelectionToNested(model);
  const std::string text = nested ? ExportNamesNestedText(model) : ExportNamesText(model);
  if (!WriteWholeFile(path, text)) {
    for (int32_t i = 0; i < model.entryCount; ++i) model.entries[i].ticked = ticked[static_cast<size_t>(i)];
    ShowReportMessage("Invalid Filename");
    return;
  }
  ShowReportMessage("Done.");
}

void CMainDlg::OnImportPageNumbers() {
  UpdateData(true);
  const auto path = ChooseFileToOpen(kImportDialog);
  if (!path) return;
  std::FILE* file = std::fopen(path->c_str(), "rb");
  if (!file) {
    AlertNote("Unable to open file!");
    return;
  }
  const AVDoc doc = ActiveDocument();
  ThumbnailTarget target;
  if (doc && ResetThumbnailSelection(doc, target)) {
    bool first = true;
    ReadImportedPages(file, [&](int32_t page) {
      if (first) {
        if (target.server) StartThumbnailSelection(doc, target, page);
        first = false;
      } else {
        AddThumbnail(doc, target, page);
      }
    });
    ShowThumbnailSelection(doc, target);
  }
  std::fclose(file);
}
