// Banner pages found again by their marker words, and the file that lists them by
// level.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr int32_t kBannerRecordCapacity = 16384;
// No tree of at most 16384 bookmarks is deeper than this: a level marker above it was
// not written for one of its rows, and would make the file a heading per level up to it.
inline constexpr int32_t kDeepestBannerLevel = 16384;

// A banner page found by its level marker: its 1-based page and its level (above 0).
struct BannerRecord {
  int32_t page = 0;
  int32_t level = 0;
};

// The banner pages a scan found, in page order.
struct BannerRecords {
  BannerRecord records[kBannerRecordCapacity] = {};
  int32_t count = 0;
};

// A word of the page-marker: the word finder reports "[BANNERPAGE]" as "[" and
// "BANNERPAGE]"; the second, exactly and whole, marks a banner page.
bool IsBannerPageWord(std::string_view word);
// A word of a level marker ("BANNERLEVEL" and the level's digits, "BANNERLEVEL3]") sets
// the page's level to the number after its first eleven characters; any other word
// leaves `level` as it was.
void ReadBannerLevelWord(std::string_view word, int32_t& level);

// Keeps a banner page found with `level` (nothing for a level of 0 or below, or above
// kDeepestBannerLevel); false when the list is full.
bool AddBannerRecord(BannerRecords& found, int32_t page, int32_t level);

// The file of banner page numbers: for every level from 1 to the deepest one found,
// "Level <n> Banners", a line end, that level's pages (above 0) in record order
// separated by commas, and two line ends (CR LF each). Empty without records.
std::string BannerNumbersFileText(const BannerRecords& found);
