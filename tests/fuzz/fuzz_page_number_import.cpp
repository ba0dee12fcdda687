// The page-number import ("Import" of the Reports menu): any text file, read as the
// import reads it, each line's leading number taken as a page.
#include <cstddef>
#include <cstdint>

#include "input_file.h"
#include "reports/page_number_import.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InputFile input(data, size);
  if (input.get() == nullptr) return 0;
  size_t lines = 0;
  ReadImportedPages(input.get(), [&](int32_t) { ++lines; });
  // A line is at least one byte of the file.
  if (lines > size) __builtin_trap();
  return 0;
}
