#include "bookmark_ranges.h"

namespace {

// Levels are 1 to kDeepestLevel by construction; a level below 0 is taken as 0 when it
// ends another entry's range, and levels outside 0 to kDeepestLevel get no range.
int32_t SlotOf(int32_t level) { return level < 0 ? 0 : level; }

}  // namespace

void AssignBookmarkRanges(BookmarkModel& model) {
  // Walking backwards, nextAtLevel[l] is the nearest later entry of level l, so the
  // first later entry at a level <= L is the nearest of nextAtLevel[0..L]: one pass.
  int32_t nextAtLevel[kLevelParentCount];
  for (int32_t& next : nextAtLevel) next = -1;
  for (int32_t i = model.entryCount - 1; i >= 0; --i) {
    BookmarkEntry& entry = model.entries[i];
    if (entry.level >= 0 && entry.level <= kDeepestLevel) {
      int32_t following = -1;
      for (int32_t l = 0; l <= entry.level; ++l) {
        if (nextAtLevel[l] >= 0 && (following < 0 || nextAtLevel[l] < following))
          following = nextAtLevel[l];
      }
      if (following >= 0) {
        const int32_t last = model.entries[following].firstPage - 1;
        entry.lastPage = last < entry.firstPage ? entry.firstPage : last;
      }
    }
    if (entry.level <= kDeepestLevel) nextAtLevel[SlotOf(entry.level)] = i;
  }
}
