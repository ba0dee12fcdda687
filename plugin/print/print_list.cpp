#include "print_list.h"

PrintList CollectPrintList(const BookmarkModel& model) {
  PrintList list;
  for (int32_t i = 0; i < model.entryCount; ++i) {
    const BookmarkEntry& entry = model.entries[i];
    if (entry.ticked != 1) continue;
    if (entry.performsAction == 1) list.layered = true;
    list.rows.push_back({entry.firstPage, entry.lastPage, model.actions[i], i});
  }
  return list;
}

void TidyPrintList(PrintList& list, bool separateBookmarks) {
  std::vector<PrintRange>& rows = list.rows;
  for (size_t a = 0; a < rows.size(); ++a) {
    for (size_t b = 0; b < rows.size(); ++b) {
      if (a == b) continue;
      PrintRange& outer = rows[a];
      PrintRange& inner = rows[b];
      if (outer.first > 0 && inner.first > 0 && outer.first <= inner.first &&
          outer.last >= inner.last) {
        inner.first = 0;
        inner.last = 0;
      }
      if (!separateBookmarks && outer.first > 0 && inner.first > 0 &&
          outer.last == inner.first - 1) {
        outer.last = inner.last;
        inner.first = 0;
        inner.last = 0;
      }
    }
  }
}
