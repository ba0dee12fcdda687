// The page ranges a print job sends to the host: one row per ticked bookmark, then,
// unless the document is layered, rows inside others dropped and touching rows
// joined in one pass.
#pragma once

#include <cstdint>
#include <vector>

#include "model/bookmark_model.h"

struct PrintRange {
  int32_t first = 0;  // 1-based; 0 in both marks a dead row
  int32_t last = 0;
  PDAction action{};
  int32_t entry = -1;  // the model entry the row came from

  bool Dead() const { return first == 0 || last == 0; }
};

struct PrintList {
  std::vector<PrintRange> rows;
  // A row came from an entry that performs its own action: each is printed as it
  // stands, after its action.
  bool layered = false;
};

// The ticked entries in list order.
PrintList CollectPrintList(const BookmarkModel& model);

// For each row a, against every other row b as the rows stand then: a row b that a
// holds is dead; unless `separateBookmarks`, a row b that starts right after a ends
// is joined to a. So of two equal rows the earlier stays, and rows 1-2, 5-6, 3-4 end
// as 1-4 and 5-6.
void TidyPrintList(PrintList& list, bool separateBookmarks);
