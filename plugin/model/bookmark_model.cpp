#include "bookmark_model.h"

bool AppendBookmarkEntry(BookmarkModel& model, int32_t level, int32_t firstPage,
                         int32_t performsAction, std::string_view title, PDAction action) {
  if (model.entryCount >= kBookmarkCapacity) return false;
  const int32_t listedLevel = level > kDeepestLevel ? kDeepestLevel : level < 1 ? 1 : level;
  const int32_t index = model.entryCount;
  model.entries[index] =
      BookmarkEntry{listedLevel, firstPage, model.pageCount, 0, listedLevel, performsAction};
  model.actions[index] = action;
  model.titles[index].assign(title.data(), title.size());
  model.entryCount = index + 1;
  return true;
}
