// One bookmark's pages as a PDF file of its own, through the host's document
// operations: a new document gets the pages and the source's bookmarks, loses the
// bookmarks that lead to none of its pages, and is saved whole, then closed.
#pragma once

#include <string>

#include "framework/message_pump.h"
#include "host_types.h"

struct BookmarkFileResult {
  bool saved = false;
  // When not saved: the host's text for what failed.
  std::string error;
};

// Pages first..last (1-based) of `source` into the file at `path` (a Windows path);
// `pump` keeps the windows alive while the outline is walked.
BookmarkFileResult SaveBookmarkFile(PDDoc source, int first, int last, const std::string& path,
                                    CPeriodicPump& pump);
