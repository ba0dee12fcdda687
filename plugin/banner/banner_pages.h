// The main dialog's banner state: the titles of the rows above the one being walked,
// and the banner pages the last add command inserted.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

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
  // The 1-based pages of the banners the last add command inserted, as they stand now
  // (a banner put in later in front of one moves it on), and the page each one's
  // bookmark began on when the command started, in the order they went in.
  int32_t lastAdded[kLastAddedCapacity] = {};
  int32_t lastAddedStarts[kLastAddedCapacity] = {};
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

// Where the add command's next banner goes, whatever order its rows meet the pages in:
// the 0-based index, now, of `page` (1-based, as the labels said when the command
// started) after the banners this run already put in front of it, so that two rows on
// one page get their banners in their order.
PDPageNumber BannerIndexInRun(const BannerPages& pages, int32_t page);

// Records a banner put in at `index` for a bookmark that began on `page`: the banners
// recorded before it that stand at or after that index move one page on.
void RecordBannerInRun(BannerPages& pages, PDPageNumber index, int32_t page);

// The recorded banners' pages, the last page first: deleting them in that order, each
// deletion leaves the pages still to delete where they are.
std::vector<int32_t> RecordedBannersLastFirst(const BannerPages& pages);

// Keeps a title in its level's slot, cut to 254 bytes.
inline void StoreLevelTitle(BannerPages& pages, int level, std::string_view title) {
  char* slot = pages.levelTitles[LevelTitleSlot(level)];
  const std::size_t length = title.size() < kLevelTitleSize - 1 ? title.size() : kLevelTitleSize - 1;
  std::memcpy(slot, title.data(), length);
  slot[length] = '\0';
}
