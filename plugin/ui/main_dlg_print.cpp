// "&Print": the ticked bookmarks' pages through the host's print service, joined or
// one job per bookmark, then the index page when asked, with a progress window for
// every step.
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>

#include "framework/stopwatch.h"
#include "host/guarded_calls.h"
#include "host/print_notification.h"
#include "main_dlg.h"
#include "model/ansi_text.h"
#include "model/timing_log.h"
#include "print/index_layout.h"
#include "print/print_list.h"
#include "print/print_params.h"
#include "printing_dlg.h"

namespace {

// The index goes into the temporary folder, whose path ends in a backslash: the path
// then holds two in a row, which the system takes as one. Empty when there is none.
std::string IndexFilePath() {
  const DWORD needed = GetTempPathA(0, nullptr);
  if (needed == 0) return {};
  std::string folder(needed, '\0');
  const DWORD length = GetTempPathA(needed, folder.data());
  if (length == 0 || length >= needed) return {};
  folder.resize(length);
  return folder + "\\index.pdf";
}

}  // namespace

// A second "&Print" while a job runs is refused: the job pumps messages while the host
// prints, and a job started inside it would print into the middle of this one.
void CMainDlg::OnPrint() {
  UpdateData(true);
  {
    const CommandRun run(*this);
    PrintJob();
  }
  UpdateData(false);
  if (!silentPrint && printNotified)
    MessageBoxA(GetSafeHwnd(), "Printing Complete.", kMessageCaption, MB_OK);
}

void CMainDlg::PrintJob() {
  printNotified = false;
  const bool interactive = silentPrint == 0;
  const CStopwatch whole;
  PrintTiming timing;
  // The job's own list: nothing run by the pump can change or free it.
  PrintList printList;
  {
    CPrintingDlg calculating(GetSafeHwnd());
    calculating.ShowStatus("Calculating pages to print, please wait");
    RefreshSelection(true);
    printList = CollectPrintList(model);
    // A layered document prints each bookmark as it stands, after its own action.
    if (!printList.layered) TidyPrintList(printList, setup.sepBookmarks != 0);
  }
  timing.listMs = whole.ElapsedMs();

  if (setup.indexOnly) {
    printNotified = true;
  } else {
    // One progress window for all the ranges, opened with the first.
    std::optional<CPrintingDlg> progress;
    for (const PrintRange& row : printList.rows) {
      if (row.Dead()) continue;
      if (printList.layered) PerformAction(ActiveDocument(), row.action);
      if (!PrintPageRange(progress, row.first, row.last, interactive, timing)) break;
    }
  }
  timing.totalMs = whole.ElapsedMs();
  if (TimingLogEnabled()) AppendTimingLine(FormatPrintTiming(timing));

  if (printIndex && printNotified) {
    const std::string path = IndexFilePath();
    if (path.empty()) {
      AlertNote("Invalid File: index.pdf");
    } else {
      const int pages = BuildIndexDocument(indexWriter, path, model, setup, &AnsiToWindows1252);
      // The index file of an earlier job may still be there: it is not printed.
      if (indexWriter.written()) {
        PrintIndexFile(path, pages);
      } else {
        AlertNote("Invalid File: " + path);
      }
    }
  }
}

bool CMainDlg::PrintPageRange(std::optional<CPrintingDlg>& progress, int first, int last,
                              bool interactive, PrintTiming& timing) {
  const CStopwatch call;
  const AVDoc doc = ActiveDocument();
  if (!doc) {
    AlertNote("Get Active document error");
    return false;
  }
  PrintParameters parameters;
  FillPrintParameters(parameters, interactive, first - 1, last - 1);
  if (!progress) progress.emplace(GetSafeHwnd());
  char range[32];
  std::snprintf(range, sizeof range, "%d - %d", first, last);
  progress->ShowStatus(range);
  const CStopwatch printing;
  const bool printed = PrintDocumentPages(doc, &parameters.record);
  ++timing.jobs;
  timing.printMs += printing.ElapsedMs();
  timing.progressMs += call.ElapsedMs() - printing.ElapsedMs();
  return printed && !progress->stopped && printNotified;
}

bool CMainDlg::PrintIndexFile(const std::string& path, int pageCount) {
  const AVDoc doc = OpenDocumentFile(path);
  if (!doc) return false;
  // The host's print dialog shows for the index exactly when no pages came before it.
  PrintParameters parameters;
  FillPrintParameters(parameters, setup.indexOnly != 0, 0, pageCount - 1);
  bool printed = false;
  {
    CPrintingDlg progress(GetSafeHwnd());
    progress.ShowStatus("Index");
    printed = PrintDocumentPages(doc, &parameters.record) && !progress.stopped;
  }
  CloseWithoutSaving(doc);
  return printed && printNotified;
}

AVDoc CMainDlg::OpenDocumentFile(const std::string& path) {
  const AVDoc doc = OpenDocumentWindow(path);
  if (!doc) AlertNote("Invalid File: " + path);
  return doc;
}
