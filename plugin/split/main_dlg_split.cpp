// The main dialog's "Save selected bookmarks as PDF files...": the ranges the print job
// takes one bookmark at a time, each saved as a file of its own in a folder the user
// chooses, with a progress window and a Stop button.
#include <windows.h>

#include <string>
#include <vector>

#include "bookmark_file_names.h"
#include "bookmark_file_writer.h"
#include "framework/folder_dialog.h"
#include "framework/message_caption.h"
#include "host/guarded_calls.h"
#include "print/print_list.h"
#include "ui/main_dlg.h"
#include "ui/printing_dlg.h"

namespace {

constexpr char kNothingTicked[] = "No bookmarks are selected: there is nothing to save.";
constexpr char kFolderTitle[] = "Save selected bookmarks in:";

// One file to write: its bookmark's pages and its path.
struct BookmarkFile {
  int first = 0;
  int last = 0;
  std::string path;
};

bool IsLeadByte(unsigned char c) { return IsDBCSLeadByte(c) != FALSE; }

std::string WithSeparator(const std::string& folder) {
  return !folder.empty() && folder.back() == '\\' ? folder : folder + '\\';
}

size_t CountExisting(const std::vector<BookmarkFile>& files) {
  size_t count = 0;
  for (const BookmarkFile& file : files) {
    if (GetFileAttributesA(file.path.c_str()) != INVALID_FILE_ATTRIBUTES) ++count;
  }
  return count;
}

std::string FilesCount(size_t count) {
  return std::to_string(count) + (count == 1 ? " file" : " files");
}

}  // namespace

void CMainDlg::OnSaveBookmarkFiles() {
  UpdateData(true);
  const CommandRun run(*this);
  RefreshSelection(true);
  // The run's own list: nothing the pump runs can change or free it.
  PrintList list = CollectPrintList(model);
  if (!list.layered) TidyPrintList(list, true);
  std::vector<PrintRange> rows;
  std::vector<std::string> titles;
  for (const PrintRange& row : list.rows) {
    if (row.Dead()) continue;
    rows.push_back(row);
    titles.push_back(row.entry >= 0 ? model.titles[row.entry] : std::string());
  }
  if (rows.empty()) {
    MessageBoxA(GetSafeHwnd(), kNothingTicked, kMessageCaption, MB_OK);
    return;
  }
  const AVDoc doc = ActiveDocument();
  PDDoc source = nullptr;
  ASInt32 pageCount = 0;
  if (!doc || !DocumentPageCount(doc, source, pageCount)) {
    AlertNote("Get Active document error");
    return;
  }
  const std::optional<std::string> folder = ChooseFolder(kFolderTitle);
  if (!folder) return;
  SaveBookmarkFiles(source, *folder, rows, titles);
}

void CMainDlg::SaveBookmarkFiles(PDDoc source, const std::string& folder,
                                 const std::vector<PrintRange>& rows,
                                 const std::vector<std::string>& titles) {
  const std::string prefix = WithSeparator(folder);
  const std::vector<std::string> names =
      BookmarkFileNames(titles, LongestFileNameIn(folder), &IsLeadByte);
  std::vector<BookmarkFile> files;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (names[i].empty()) {
      MessageBoxA(GetSafeHwnd(), ("The folder's path is too long for the files: " + folder).c_str(),
                  kMessageCaption, MB_OK | MB_ICONEXCLAMATION);
      return;
    }
    files.push_back({rows[i].first, rows[i].last, prefix + names[i]});
  }
  // Nothing is replaced without the user's word, and then all at once.
  if (const size_t existing = CountExisting(files)) {
    const std::string question = FilesCount(existing) + " of " + std::to_string(files.size()) +
                                 " already in " + folder + " would be replaced. Replace them?";
    if (MessageBoxA(GetSafeHwnd(), question.c_str(), kMessageCaption,
                    MB_YESNO | MB_ICONQUESTION) != IDYES)
      return;
  }

  size_t saved = 0;
  {
    CPrintingDlg progress(GetSafeHwnd());
    CPeriodicPump pump(false);
    SetWindowTextA(progress.GetSafeHwnd(), "Saving...");
    for (size_t i = 0; i < files.size(); ++i) {
      if (progress.stopped) break;
      progress.ShowStatus("Saving file " + std::to_string(i + 1) + " of " +
                          std::to_string(files.size()));
      const BookmarkFileResult result =
          SaveBookmarkFile(source, files[i].first, files[i].last, files[i].path, pump);
      if (result.saved) {
        ++saved;
        continue;
      }
      const std::string failure = "Can't save to :" + files[i].path + "\n\n" + result.error;
      // After the last file there is nothing to go on with: the failure alone.
      if (i + 1 == files.size()) {
        MessageBoxA(GetSafeHwnd(), failure.c_str(), kMessageCaption, MB_OK | MB_ICONEXCLAMATION);
      } else if (MessageBoxA(GetSafeHwnd(), (failure + "\n\nGo on with the next file?").c_str(),
                             kMessageCaption, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) {
        break;
      }
    }
  }
  std::string summary = FilesCount(saved) + " saved in " + folder;
  if (saved < files.size()) summary += " (" + std::to_string(files.size()) + " asked for)";
  MessageBoxA(GetSafeHwnd(), summary.c_str(), kMessageCaption, MB_OK);
}
