#include "thumbnail_plan.h"

std::vector<ThumbnailPage> PlanThumbnailPages(const BookmarkModel& model, bool firstOnly,
                                              int32_t shift) {
  std::vector<ThumbnailPage> pages;
  for (int32_t i = 0; i < model.entryCount; ++i) {
    const BookmarkEntry& entry = model.entries[i];
    if (entry.ticked == 0) continue;
    if (firstOnly) {
      const int32_t page = entry.firstPage - shift;
      if (page >= 1) pages.push_back({page, entry.levelCopy});
      continue;
    }
    for (int32_t page = entry.firstPage; page <= entry.lastPage; ++page)
      pages.push_back({page, entry.levelCopy});
  }
  return pages;
}

void AppendPageToList(std::string& list, int32_t page) {
  list += std::to_string(page);
  list += ',';
}
