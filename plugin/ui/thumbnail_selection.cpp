#include "thumbnail_selection.h"

#include <cstdint>

#include "host/error_frame.h"

namespace {

// Page indexes travel as the selection's data.
void* PageData(PDPageNumber page) { return reinterpret_cast<void*>(static_cast<intptr_t>(page)); }

}  // namespace

bool PrepareThumbnails(AVDoc doc, bool selecting, ThumbnailTarget& target) {
  volatile bool done = false;
  HOST_DURING
    host::AVDocSetViewMode(doc, PDUseThumbs);
    target.pageView = host::AVDocGetPageView(doc);
    target.type = host::ASAtomFromString("Thumbnail");
    if (selecting) {
      target.server = host::AVDocGetSelectionServerByType(target.type);
    } else {
      host::AVDocSetSelection(doc, target.type, PageData(-1), false);
    }
    done = true;
  HOST_HANDLER
  HOST_END_HANDLER
  return done;
}

bool ResetThumbnailSelection(AVDoc doc, ThumbnailTarget& target) {
  if (!PrepareThumbnails(doc, false, target)) return false;
  volatile bool done = false;
  HOST_DURING
    target.server = host::AVDocGetSelectionServerByType(target.type);
    done = true;
  HOST_HANDLER
  HOST_END_HANDLER
  return done;
}

bool RestartThumbnailSelection(AVDoc doc, ThumbnailTarget& target) {
  return ResetThumbnailSelection(doc, target) &&
         (!target.server || StartThumbnailSelection(doc, target, 0));
}

bool StartThumbnailSelection(AVDoc doc, const ThumbnailTarget& target, PDPageNumber page) {
  volatile bool done = false;
  HOST_DURING
    done = host::AVDocSetSelection(doc, target.type, PageData(page), true) != 0;
  HOST_HANDLER
  HOST_END_HANDLER
  return done;
}

bool AddThumbnail(AVDoc doc, const ThumbnailTarget& target, PDPageNumber page) {
  if (!target.server || !target.server->AddedToSelection) return false;
  volatile bool done = false;
  HOST_DURING
    target.server->AddedToSelection(doc, nullptr, PageData(page), true);
    done = true;
  HOST_HANDLER
  HOST_END_HANDLER
  return done;
}

void ShowThumbnailSelection(AVDoc doc, const ThumbnailTarget& target) {
  HOST_DURING
    host::AVDocShowSelection(doc);
    host::AVPageViewDrawNow(target.pageView);
  HOST_HANDLER
  HOST_END_HANDLER
}
