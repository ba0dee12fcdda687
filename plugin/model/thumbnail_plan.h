// Which pages "Select thumbnails" puts into the host's thumbnail selection, and the
// page lists it keeps of them for the reports.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bookmark_model.h"

// The levels the per-level page lists are kept for (indexed by level).
inline constexpr int kThumbnailLevelLists = 255;

struct ThumbnailPage {
  int32_t page;   // 1-based
  int32_t level;  // the level copy of the entry it came from
};

// The pages of the ticked entries in list order: with `firstOnly` each entry's first
// page, moved back by `shift` pages (0 or 1: the page before the bookmark); otherwise
// every page of each. A page before page 1 does not exist and is left out.
std::vector<ThumbnailPage> PlanThumbnailPages(const BookmarkModel& model, bool firstOnly,
                                              int32_t shift);

// Appends a page to a page list: "3,4,9," for pages 3, 4 and 9.
void AppendPageToList(std::string& list, int32_t page);
