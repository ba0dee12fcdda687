#include "install_folder.h"

#include <windows.h>

#include <cstring>

InstallFolder LocateInstallFolder() {
  InstallFolder found;
  HKEY key = nullptr;
  if (RegOpenKeyA(HKEY_LOCAL_MACHINE, kAppPathsKey, &key) != ERROR_SUCCESS) {
    found.outcome = InstallFolder::Outcome::NoKey;
    return found;
  }
  char name[1024] = {};
  DWORD nameSize = sizeof name;
  BYTE data[1024] = {};
  DWORD dataSize = sizeof data - 1;
  DWORD type = 0;
  const LONG read = RegEnumValueA(key, 0, name, &nameSize, nullptr, &type, data, &dataSize);
  RegCloseKey(key);
  if (read != ERROR_SUCCESS) {
    found.outcome = InstallFolder::Outcome::NoValue;
    return found;
  }
  const char* text = reinterpret_cast<const char*>(data);
  found.outcome = InstallFolder::Outcome::Found;
  found.folder = FolderFromAppPath(std::string_view(text, strnlen(text, sizeof data - 1)));
  return found;
}
