// The selection widened to the bookmarks inside the ticked ones, for the lists of
// ticked bookmarks (the index page, the bookmark exports).
#pragma once

#include "bookmark_model.h"

// Ticks, in the model, every unticked entry that a ticked entry holds (its level is no
// smaller and its pages lie within the ticked one's), so the bookmarks under a
// selected one are listed even when the selection refresh unticked them.
void WidenSelectionToNested(BookmarkModel& model);
