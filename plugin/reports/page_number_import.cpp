#include "page_number_import.h"

#include <climits>
#include <string>

#include "framework/line_tokens.h"

int32_t ImportedPageIndex(std::string_view line) {
  const int value = LeadingInteger(line);
  // The smallest number has no page before it: it stays the smallest index.
  return value == INT_MIN ? value : value - 1;
}

void ReadImportedPages(std::FILE* file, const std::function<void(int32_t page)>& take) {
  std::string line;
  while (ReadLinePiece(file, kTextLineLimit, line)) take(ImportedPageIndex(line));
}
