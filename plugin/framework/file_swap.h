// A file written whole or not at all: its bytes go to a new file beside the target,
// which takes the target's place in one step only once every byte is on the disk. A
// full disk, a failing write or a folder that takes no new file leaves the target
// exactly as it was.
#pragma once

#include <cstdio>
#include <string>

// The n-th name a new file beside target tries: a short one in the target's folder, so
// that it fits wherever the target's own path fits (a name of 255 characters, a path
// near the system's limit).
std::string NewFileNameBeside(const std::string& target, int n);

class CNewFileBeside {
 public:
  CNewFileBeside() = default;
  // Removes a new file that was not committed.
  ~CNewFileBeside();
  CNewFileBeside(const CNewFileBeside&) = delete;
  CNewFileBeside& operator=(const CNewFileBeside&) = delete;

  // Creates a new file of its own name in the target's folder; false when it cannot.
  bool Create(const std::string& target);
  // Open between Create and Commit or Discard.
  std::FILE* file() const { return file_; }
  // Marks the file as not to be committed (a write came up short).
  void Fail() { failed_ = true; }
  // Puts the new file, written out to the disk, in the target's place; false, removing
  // it and leaving the target as it was, when a write or the replacement failed.
  bool Commit();
  // Removes the new file; the target stays as it was.
  void Discard();

 private:
  std::FILE* file_ = nullptr;
  std::string target_;
  std::string path_;
  bool failed_ = false;
};
