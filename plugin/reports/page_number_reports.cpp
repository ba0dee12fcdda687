#include "page_number_reports.h"

#include <algorithm>

namespace {

std::string LevelHeading(int level) { return "Level " + std::to_string(level) + "\r\n"; }

}  // namespace

std::string TickedByLevelReport(const BookmarkModel& model) {
  int32_t deepest = 0;
  for (int32_t i = 0; i < model.entryCount; ++i)
    deepest = std::max(deepest, model.entries[i].levelCopy);
  std::string text;
  for (int32_t level = 1; level <= deepest; ++level) {
    text += LevelHeading(level);
    bool first = true;
    int32_t previous = 0;
    for (int32_t i = 0; i < model.entryCount; ++i) {
      const BookmarkEntry& entry = model.entries[i];
      if (entry.levelCopy != level || entry.ticked != 1) continue;
      if (!first && entry.firstPage == previous) continue;
      if (!first) text += ',';
      text += std::to_string(entry.firstPage);
      previous = entry.firstPage;
      first = false;
    }
    text += "\r\n\r\n";
  }
  return text;
}

std::string FoundPagesReport(const FoundPages& found) {
  std::string text;
  const int32_t count = std::clamp(found.count, 0, kFoundPageCapacity);
  for (int32_t i = 0; i < count; ++i) {
    if (i > 0) text += ',';
    text += std::to_string(found.pages[i] + 1);
  }
  return text + "\r\n\r\n";
}

void TrimTrailingCommas(std::string& list) {
  while (!list.empty() && list.back() == ',') list.pop_back();
}

std::string ThumbnailsReport(std::string& list) {
  TrimTrailingCommas(list);
  return list + "\r\n" + "\r\n\r\n";
}

std::string ThumbnailsByLevelReport(std::string (&lists)[kThumbnailLevelLists]) {
  std::string text;
  for (int index = 0; index < kThumbnailLevelLists; ++index) {
    std::string& list = lists[index];
    if (list.empty()) continue;
    text += LevelHeading(index - 1);
    TrimTrailingCommas(list);
    text += list + "\r\n\r\n";
  }
  return text;
}
