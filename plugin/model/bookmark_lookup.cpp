#include "bookmark_lookup.h"

#include <cstring>

#include "bookmark_label.h"

int FindEntryOfLabel(const BookmarkModel& model, const char* label) {
  const LabelPages pages = ParseBookmarkLabel(label);
  const std::string_view text(label, std::strlen(label));
  for (int i = 0; i < model.entryCount; ++i) {
    const BookmarkEntry& entry = model.entries[i];
    if (entry.ticked != 0 || entry.firstPage != pages.first || entry.lastPage != pages.last)
      continue;
    if (IsLabelOf(text, model.titles[i], entry.firstPage, entry.lastPage)) return i;
  }
  return -1;
}

int FindEntryByTitlePart(const BookmarkModel& model, std::string_view titlePart) {
  for (int i = 0; i < model.entryCount; ++i) {
    const BookmarkEntry& entry = model.entries[i];
    const std::string& title = model.titles[i];
    const size_t shown = LabelTitleLength(title.size(), entry.firstPage, entry.lastPage);
    if (std::string_view(title).substr(0, shown) == titlePart) return i;
  }
  return -1;
}
