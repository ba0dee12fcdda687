// The page range of every bookmark: from its own page to the page before the next
// bookmark at its own or a shallower level, or to the end of the document.
#pragma once

#include "bookmark_model.h"

// Sets each entry's last page: for the first later entry whose level is at most the
// entry's level, its first page - 1, raised to the entry's first page if smaller;
// entries with no such later entry keep their last page (the page count).
void AssignBookmarkRanges(BookmarkModel& model);
