#include "nested_selection.h"

void WidenSelectionToNested(BookmarkModel& model) {
  for (int32_t i = 0; i < model.entryCount; ++i) {
    const BookmarkEntry& outer = model.entries[i];
    if (outer.ticked != 1) continue;
    for (int32_t j = 0; j < model.entryCount; ++j) {
      BookmarkEntry& inner = model.entries[j];
      if (inner.ticked == 0 && outer.level <= inner.level && outer.firstPage <= inner.firstPage &&
          outer.lastPage >= inner.lastPage)
        inner.ticked = 1;
    }
  }
}
