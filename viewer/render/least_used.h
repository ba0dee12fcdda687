// The small caches of the render side (one-page copies, loaded poppler documents) keep
// their latest few entries, each stamped with when it was last used.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace viewer::render {

// Makes room for one more entry in a cache of at most `capacity`: drops the entry whose
// `used` stamp is oldest when the cache is full.
template <typename Entry>
void MakeRoomForOne(std::vector<Entry>& entries, std::size_t capacity) {
  if (entries.size() < capacity) return;
  entries.erase(std::min_element(entries.begin(), entries.end(),
                                 [](const Entry& a, const Entry& b) { return a.used < b.used; }));
}

}  // namespace viewer::render
