// The main dialog's banner state: the titles of the rows above the one being walked,
// and the banner pages the last add command inserted.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

#include "banner_numbers.h"
#include "host_types.h"

// Slots 1 to 29 hold a title each (slot 0 is never used): rows deeper than that share
// the last slot.
inline constexpr int kLevelTitleSlots = 30;
inline constexpr int kLevelTitleSize = 255;
inline constexpr int kLastAddedCapacity = 16384;

struct BannerPages {
  // Slot L: the title of the row met last at tree level L, zero-terminated.
  char levelTitles[kLevelTitleSlots][kLevelTitleSize] = {};
  int32_t bannersInsertedThisRun = 0;
  // The 1-based pages of the banners the last add command inserted, in order.
  int32_t lastAdded[kLastAddedCapacity] = {};
  int32_t lastAddedCount = 0;
  // The document the last add command changed and its page count after it: the list
  // above is used only while that document still has that many pages.
  PDDoc lastAddedDocument = nullptr;
  int32_t pageCountAfterAdd = 0;
  // The banner pages and their levels the last scan of level markers found.
  BannerRecords records;
};

// The slot of a tree level: levels deeper than the table share its last slot.
inline int LevelTitleSlot(int level) {
  return level < 1 ? 1 : level >= kLevelTitleSlots ? kLevelTitleSlots - 1 : level;
}

// Keeps a title in its level's slot, cut to 254 bytes.
inline void StoreLevelTitle(BannerPages& pages, int level, std::string_view title) {
  char* slot = pages.levelTitles[LevelTitleSlot(level)];
  const std::size_t length = title.size() < kLevelTitleSize - 1 ? title.size() : kLevelTitleSize - 1;
  std::memcpy(slot, title.data(), length);
  slot[length] = '\0';
}
