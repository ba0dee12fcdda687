// Reading the active document's outline into the bookmark model through the host.
#pragma once

#include "bookmark_model.h"
#include "timing_log.h"

// Empties the model and refills it from the active document's outline, pumping the
// message queue now and then. `layeredPdf` on: bookmarks with a valid destination
// perform their own action when chosen. No active document: the model stays empty
// (and keeps its page count). A host error outside every bookmark's own visit shows
// the note "error! please check your bookmarks are valid."; what was read stays. Stops
// reading once the model is full.
void ReadBookmarkOutline(BookmarkModel& model, int layeredPdf, BuildTiming& timing);
