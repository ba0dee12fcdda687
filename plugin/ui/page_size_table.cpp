#include "page_size_table.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "framework/line_tokens.h"

namespace {

constexpr std::string_view kRecordMark = "SIZE";

double FixedToPoints(double fixed) { return fixed / 65536.0; }

// Points to millimetres, in the order the sizes in the files were worked out with.
int32_t Millimetres(double points) {
  return static_cast<int32_t>(points * (1.0 / 72.0) * 2.53916 * 10.0);
}

bool InRange(int32_t value, int32_t low, int32_t high) { return low <= value && value <= high; }

}  // namespace

bool AddPageSizeLine(PageSizeTable& table, std::string_view line) {
  std::size_t position = 0;
  if (NextLineToken(line, position).substr(0, kRecordMark.size()) != kRecordMark) return false;
  const std::string_view name = NextLineToken(line, position);
  int32_t bounds[4];
  for (int32_t& bound : bounds) {
    const std::string_view token = NextLineToken(line, position);
    if (token.empty()) return false;
    bound = LeadingInteger(token);
  }
  if (table.count >= kPageSizeCapacity) return false;
  PageSizeRecord& record = table.records[table.count++];
  const std::size_t length = std::min<std::size_t>(name.size(), kPageSizeNameSize - 1);
  std::memcpy(record.name, name.data(), length);
  record.name[length] = '\0';
  record.a = bounds[0];
  record.b = bounds[1];
  record.c = bounds[2];
  record.d = bounds[3];
  return true;
}

void ReadPageSizeTable(std::FILE* file, PageSizeTable& table) {
  table.count = 0;
  std::string piece;
  while (ReadLinePiece(file, kPageSizesLineLimit, piece)) AddPageSizeLine(table, piece);
}

PageMillimetres PageSizeInMillimetres(const ASFixedRect& box) {
  // In doubles: the differences of two fixed-point numbers may not fit in one.
  const double width = FixedToPoints(static_cast<double>(box.right) - box.left);
  const double height = FixedToPoints(static_cast<double>(box.top) - box.bottom);
  return {Millimetres(width), Millimetres(height)};
}

bool PageMatchesSize(const PageSizeRecord& record, PageMillimetres page) {
  if (InRange(page.width, record.c, record.d)) return InRange(page.height, record.a, record.b);
  return InRange(page.width, record.a, record.b) && InRange(page.height, record.c, record.d);
}

std::vector<PageSizeRecord> RecordsNamed(const PageSizeTable& table, std::string_view name) {
  std::vector<PageSizeRecord> named;
  for (int32_t i = 0; i < table.count; ++i) {
    if (std::string_view(table.records[i].name) == name) named.push_back(table.records[i]);
  }
  return named;
}

bool AppendMatchingPage(FoundPages& found, const std::vector<PageSizeRecord>& records,
                        int32_t page, PageMillimetres size) {
  for (const PageSizeRecord& record : records) {
    if (!PageMatchesSize(record, size)) continue;
    if (found.count >= kFoundPageCapacity) return false;
    found.pages[found.count++] = page;
  }
  return true;
}
