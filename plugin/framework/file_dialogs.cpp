#include "file_dialogs.h"

#include <windows.h>
#include <commdlg.h>

namespace {

constexpr DWORD kPathBufferSize = 256;
constexpr DWORD kCommonFlags = OFN_LONGNAMES | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;

OPENFILENAMEA DialogFor(char* path, const FileDialogRequest& request, DWORD flags) {
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = nullptr;
  dialog.lpstrFilter = request.filters;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = kPathBufferSize;
  dialog.lpstrTitle = request.title;
  dialog.lpstrDefExt = request.defaultExtension;
  dialog.Flags = flags;
  return dialog;
}

}  // namespace

std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) {
  char path[kPathBufferSize] = "";
  OPENFILENAMEA dialog = DialogFor(path, request, kCommonFlags | OFN_FILEMUSTEXIST);
  if (!GetOpenFileNameA(&dialog)) return std::nullopt;
  return std::string(path);
}

std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) {
  char path[kPathBufferSize] = "";
  OPENFILENAMEA dialog = DialogFor(path, request, kCommonFlags);
  if (!GetSaveFileNameA(&dialog)) return std::nullopt;
  return std::string(path);
}
