// The page-sizes file ("PDFPageSizes.ini", or the one Setup names): any bytes, read
// into the table, then every size looked up by name and matched against common pages.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "input_file.h"
#include "ui/page_size_table.h"

namespace {

// Pages in 16.16 fixed point: A4, US Letter, A3 landscape, a tiny and a huge one.
constexpr ASFixedRect kPages[] = {
    {0, 842 << 16, 595 << 16, 0},
    {0, 792 << 16, 612 << 16, 0},
    {0, 842 << 16, 1191 << 16, 0},
    {0, 1 << 16, 1 << 16, 0},
    {-0x7FFF0000, 0x7FFF0000, 0x7FFF0000, -0x7FFF0000},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InputFile input(data, size);
  if (input.get() == nullptr) return 0;
  auto search = std::make_unique<PageSizeSearch>();
  ReadPageSizeTable(input.get(), search->table);
  if (search->table.count < 0 || search->table.count > kPageSizeCapacity) __builtin_trap();

  int32_t page = 0;
  for (int32_t i = 0; i < search->table.count; ++i) {
    const PageSizeRecord& record = search->table.records[i];
    if (std::strlen(record.name) >= kPageSizeNameSize) __builtin_trap();
    const std::vector<PageSizeRecord> named = RecordsNamed(search->table, record.name);
    if (named.empty()) __builtin_trap();  // the record itself bears that name
    for (const ASFixedRect& box : kPages) {
      if (!AppendMatchingPage(search->found, named, page++, PageSizeInMillimetres(box))) break;
    }
  }
  return 0;
}
