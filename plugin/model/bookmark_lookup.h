// Finding the bookmark of a tree item from the item's label.
#pragma once

#include <string_view>

#include "bookmark_model.h"

// The first entry not yet ticked whose pages are the ones the label names and whose
// label, rebuilt from its title, is exactly `label`; -1 if there is none. Two
// bookmarks with the same title and pages are thus found in list order as each is
// ticked.
int FindEntryOfLabel(const BookmarkModel& model, const char* label);

// The first entry whose title, as a label shows it, equals `titlePart` byte for byte
// (the title part of a label); -1 if there is none.
int FindEntryByTitlePart(const BookmarkModel& model, std::string_view titlePart);
