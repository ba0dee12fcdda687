#include "banner_pages.h"

#include <algorithm>
#include <functional>

PDPageNumber BannerIndexInRun(const BannerPages& pages, int32_t page) {
  PDPageNumber index = page - 1;
  for (int32_t k = 0; k < pages.lastAddedCount; ++k) {
    if (pages.lastAddedStarts[k] <= page) ++index;
  }
  return index;
}

void RecordBannerInRun(BannerPages& pages, PDPageNumber index, int32_t page) {
  if (pages.lastAddedCount >= kLastAddedCapacity) return;
  for (int32_t k = 0; k < pages.lastAddedCount; ++k) {
    if (pages.lastAdded[k] >= index + 1) ++pages.lastAdded[k];
  }
  pages.lastAdded[pages.lastAddedCount] = index + 1;
  pages.lastAddedStarts[pages.lastAddedCount] = page;
  ++pages.lastAddedCount;
}

std::vector<int32_t> RecordedBannersLastFirst(const BannerPages& pages) {
  std::vector<int32_t> recorded(pages.lastAdded, pages.lastAdded + pages.lastAddedCount);
  std::sort(recorded.begin(), recorded.end(), std::greater<>());
  return recorded;
}
