#include "whole_files.h"

#include <cstdio>

#include "file_swap.h"

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  CNewFileBeside file;
  if (!file.Create(path)) return false;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file.file()) != bytes.size()) file.Fail();
  return file.Commit();
}
