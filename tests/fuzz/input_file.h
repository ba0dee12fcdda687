// The fuzz input as an open file, read from its start: the plug-in reads its text
// files through a FILE*.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

class InputFile {
 public:
  InputFile(const uint8_t* data, size_t size) {
    static char empty[1];
    // Opened for reading only: the bytes are never written through it.
    void* bytes = size > 0 ? const_cast<uint8_t*>(data) : static_cast<void*>(empty);
    file_ = fmemopen(bytes, size, "rb");
  }
  ~InputFile() {
    if (file_ != nullptr) std::fclose(file_);
  }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  std::FILE* get() const { return file_; }

 private:
  std::FILE* file_ = nullptr;
};
