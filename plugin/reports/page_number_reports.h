// The comma-delimited page-number reports, as the bytes their files hold: every line
// ends in CR LF.
#pragma once

#include <string>

#include "model/bookmark_model.h"
#include "model/thumbnail_plan.h"
#include "ui/page_size_table.h"

// The ticked entries' first pages by level: "Level <n>" for every level from 1 to the
// deepest entry's (ticked or not), then that level's first pages in model order, a page
// equal to the one just before at its level written once, separated by commas.
std::string TickedByLevelReport(const BookmarkModel& model);

// The pages "Find" found (1-based), separated by commas.
std::string FoundPagesReport(const FoundPages& found);

// Takes the trailing commas off a thumbnail page list ("3,4,7," becomes "3,4,7").
void TrimTrailingCommas(std::string& list);

// The thumbnail page list, its trailing commas taken off the list itself.
std::string ThumbnailsReport(std::string& list);

// Every non-empty per-level list under "Level <index - 1>", each list's trailing
// commas taken off the list itself.
std::string ThumbnailsByLevelReport(std::string (&lists)[kThumbnailLevelLists]);
