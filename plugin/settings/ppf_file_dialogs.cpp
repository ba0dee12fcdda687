#include "ppf_file_dialogs.h"

#include <windows.h>
#include <commdlg.h>

namespace {

constexpr DWORD kPathBufferSize = 256;
constexpr char kFilters[] = "*.ppf\0*.ppf\0All Files *.*\0*.*\0";
constexpr DWORD kCommonFlags = OFN_LONGNAMES | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;

OPENFILENAMEA DialogFor(char* path, const char* title, const char* defaultExtension,
                        DWORD flags) {
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = nullptr;
  dialog.lpstrFilter = kFilters;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = kPathBufferSize;
  dialog.lpstrTitle = title;
  dialog.lpstrDefExt = defaultExtension;
  dialog.Flags = flags;
  return dialog;
}

}  // namespace

std::optional<std::string> ChooseSettingsFileToLoad() {
  char path[kPathBufferSize] = "";
  OPENFILENAMEA dialog = DialogFor(path, "Open Page Parameters File", "JOB",
                                   kCommonFlags | OFN_FILEMUSTEXIST);
  if (!GetOpenFileNameA(&dialog)) return std::nullopt;
  return std::string(path);
}

std::optional<std::string> ChooseSettingsFileToSave() {
  char path[kPathBufferSize] = "";
  OPENFILENAMEA dialog = DialogFor(path, "Save Page Parameters File", "PPF", kCommonFlags);
  if (!GetSaveFileNameA(&dialog)) return std::nullopt;
  return std::string(path);
}
