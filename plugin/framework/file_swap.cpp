#include "file_swap.h"

#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

// Tries this many names before giving up: each name taken means a file left behind by
// an earlier run that ended before its commit, or a run going on now.
constexpr int kNameTries = 100;

std::FILE* CreateExclusive(const std::string& path) {
#ifdef _WIN32
  const int fd = _open(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  std::FILE* file = _fdopen(fd, "wb");
  if (!file) _close(fd);
#else
  const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0666);
  if (fd < 0) return nullptr;
  std::FILE* file = fdopen(fd, "wb");
  if (!file) close(fd);
#endif
  return file;
}

// The bytes handed to the system reach the disk before the file takes the target's
// place: otherwise a power cut could leave the new name on an empty file.
bool FlushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

bool ReplaceTarget(const std::string& from, const std::string& to) {
#ifdef _WIN32
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
  return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

}  // namespace

CNewFileBeside::~CNewFileBeside() { Discard(); }

std::string NewFileNameBeside(const std::string& target, int n) {
  const size_t slash = target.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  return folder + "~ts" + std::to_string(n) + ".tmp";
}

bool CNewFileBeside::Create(const std::string& target) {
  Discard();
  target_ = target;
  failed_ = false;
  for (int n = 1; n <= kNameTries && !file_; ++n) {
    path_ = NewFileNameBeside(target, n);
    file_ = CreateExclusive(path_);
  }
  if (!file_) path_.clear();
  return file_ != nullptr;
}

bool CNewFileBeside::Commit() {
  if (!file_) return false;
  const bool flushed = FlushToDisk(file_);
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (failed_ || !flushed || !closed || !ReplaceTarget(path_, target_)) {
    std::remove(path_.c_str());
    path_.clear();
    return false;
  }
  path_.clear();
  return true;
}

void CNewFileBeside::Discard() {
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!path_.empty()) std::remove(path_.c_str());
  path_.clear();
}
