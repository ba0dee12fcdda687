// Bytes handed to code that reads an open file, as the plug-in reads its text files.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

// Calls `read` with a temporary file that holds exactly `bytes`, read from its start;
// a test fails when no temporary file can be made.
inline void WithMemoryFile(const std::string& bytes, const std::function<void(std::FILE*)>& read) {
  std::FILE* file = std::tmpfile();
  if (!file) {
    ADD_FAILURE() << "no temporary file";
    return;
  }
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  read(file);
  std::fclose(file);
}
