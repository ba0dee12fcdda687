#include "app/wine_paths.h"

#include <windows.h>

#include <vector>

namespace viewer {

std::string UnixPathOf(const std::string& path) {
  if (path.empty() || path[0] == '/') return path;
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  if (wideLength <= 0) return {};
  std::vector<WCHAR> wide(static_cast<size_t>(wideLength));
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), wideLength);
  char* unixPath = wine_get_unix_file_name(wide.data());
  if (unixPath == nullptr) return {};
  std::string result = unixPath;
  HeapFree(GetProcessHeap(), 0, unixPath);
  return result;
}

std::string WindowsPathOf(const std::string& unixPath) {
  WCHAR* wide = wine_get_dos_file_name(unixPath.c_str());
  if (wide == nullptr) return {};
  std::string result;
  const int length = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (length > 0) {
    result.resize(static_cast<size_t>(length));
    WideCharToMultiByte(CP_ACP, 0, wide, -1, result.data(), length, nullptr, nullptr);
    result.resize(static_cast<size_t>(length - 1));
  }
  HeapFree(GetProcessHeap(), 0, wide);
  return result;
}

}  // namespace viewer
