#include "core/unix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace viewer::core {

std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

std::vector<std::string> FilesWithExtension(const std::string& folder,
                                            const std::string& extension) {
  std::vector<std::string> names;
  if (DIR* dir = opendir(folder.c_str())) {
    while (const dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name.size() <= extension.size() ||
          name.compare(name.size() - extension.size(), extension.size(), extension) != 0) {
        continue;
      }
      struct stat info {};
      if (stat(JoinPath(folder, name).c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        names.push_back(name);
      }
    }
    closedir(dir);
  }
  std::sort(names.begin(), names.end());
  for (auto& name : names) name = JoinPath(folder, name);
  return names;
}

bool IsSameFile(const std::string& first, const std::string& second) {
  struct stat a {}, b {};
  return stat(first.c_str(), &a) == 0 && stat(second.c_str(), &b) == 0 &&
         a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool RenameFile(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  char chunk[65536];
  size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
  const bool whole = std::ferror(file) == 0;
  std::fclose(file);
  return whole;
}

namespace {

// Names taken by files of earlier runs that ended before their rename are passed over.
constexpr int kNameTries = 100;

std::FILE* CreateFileBeside(const std::string& target, std::string* path) {
  for (int n = 1; n <= kNameTries; ++n) {
    *path = target + ".~" + std::to_string(n) + ".tmp";
    const int fd = open(path->c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) continue;
    if (std::FILE* file = fdopen(fd, "wb")) return file;
    close(fd);
    std::remove(path->c_str());
    return nullptr;
  }
  return nullptr;
}

}  // namespace

bool WriteFileWhole(const std::string& target, const std::function<void(std::FILE*)>& write) {
  std::string path;
  std::FILE* file = CreateFileBeside(target, &path);
  if (!file) return false;
  try {
    write(file);
  } catch (...) {
    std::fclose(file);
    std::remove(path.c_str());
    throw;
  }
  const bool written = !std::ferror(file) && std::fflush(file) == 0 && fsync(fileno(file)) == 0;
  const bool closed = std::fclose(file) == 0;
  if (written && closed && RenameFile(path, target)) return true;
  std::remove(path.c_str());
  return false;
}

}  // namespace viewer::core
