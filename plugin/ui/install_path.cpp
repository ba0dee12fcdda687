#include "install_path.h"

std::string FolderFromAppPath(std::string_view data) {
  if (data.find(".api") == std::string_view::npos) return std::string(data);
  const size_t fileName = data.find("\\Tessaly.api");
  return std::string(data.substr(0, fileName));
}

std::string InstallFolder::FileNamed(std::string_view fileName) const {
  if (HasNoValue()) return std::string();
  std::string path = folder;
  path += '\\';
  path += fileName;
  return path;
}
