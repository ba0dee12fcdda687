#include "expansion_order.h"

bool EntryHasChildren(const BookmarkModel& model, int32_t i) {
  return i >= 0 && i + 1 < model.entryCount &&
         model.entries[i + 1].level > model.entries[i].level;
}

int32_t ExpansionOrder(const BookmarkModel& model, int32_t* order) {
  int32_t count = 0;
  for (int32_t i = model.entryCount - 1; i >= 0; --i)
    if (EntryHasChildren(model, i)) order[count++] = i;
  return count;
}
