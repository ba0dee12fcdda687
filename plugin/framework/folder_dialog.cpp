#include "folder_dialog.h"

#include <windows.h>
#include <shlobj.h>

std::optional<std::string> ChooseFolder(const char* title) {
  // The chooser's tree is a shell view: it needs the thread's COM apartment.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  BROWSEINFOA browse{};
  browse.hwndOwner = nullptr;
  browse.lpszTitle = title;
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  std::optional<std::string> chosen;
  if (PIDLIST_ABSOLUTE list = SHBrowseForFolderA(&browse)) {
    char path[MAX_PATH] = {};
    if (SHGetPathFromIDListA(list, path)) chosen = std::string(path);
    CoTaskMemFree(list);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return chosen;
}
