// The host's thumbnails pane and its page selection, each step in an error frame of
// its own: a raise makes the step answer "not done".
#pragma once

#include "host_records.h"
#include "host_types.h"

// The thumbnails pane shown, with what selecting in it needs.
struct ThumbnailTarget {
  AVPageView pageView = nullptr;
  ASAtom type = 0;
  // Null when the host has no selection server for thumbnails: nothing can be added.
  AVDocSelectionServer server = nullptr;
};

// Shows the thumbnails pane and looks up the selection type; with `selecting` also its
// server, else the selection is cleared. False when the host raised.
bool PrepareThumbnails(AVDoc doc, bool selecting, ThumbnailTarget& target);
// Shows the thumbnails pane with the selection cleared, and looks up the server.
bool ResetThumbnailSelection(AVDoc doc, ThumbnailTarget& target);
// Shows the thumbnails pane with the selection cleared, then, when the host has a
// server for thumbnails, started afresh on the first page: new pages join it.
bool RestartThumbnailSelection(AVDoc doc, ThumbnailTarget& target);
// Makes the page (0-based) the whole selection.
bool StartThumbnailSelection(AVDoc doc, const ThumbnailTarget& target, PDPageNumber page);
// Adds the page (0-based) to the selection through the server.
bool AddThumbnail(AVDoc doc, const ThumbnailTarget& target, PDPageNumber page);
// Shows the selection and redraws the page view now.
void ShowThumbnailSelection(AVDoc doc, const ThumbnailTarget& target);
