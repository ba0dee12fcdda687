#include "selection_refresh.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "bookmark_label.h"

namespace {

void ClearTicks(BookmarkModel& model) {
  for (int32_t i = 0; i < model.entryCount; ++i) model.entries[i].ticked = 0;
}

// The label of an entry, as its tree item shows it.
std::string LabelOf(const BookmarkModel& model, int32_t i) {
  return BookmarkLabel(model.titles[i], model.entries[i].firstPage, model.entries[i].lastPage);
}

// Entries that share one label, in list order, less those whose pages are not the
// ones the label reads as (a label cut short); the next one to tick.
struct LabelGroup {
  std::vector<int32_t> entries;
  size_t next = 0;
};

// The greatest last page of the ranges recorded so far whose first page is at most a
// given page (a Fenwick tree over first pages).
class LastPageByFirstPage {
 public:
  explicit LastPageByFirstPage(int32_t maxFirst) : best_(static_cast<size_t>(maxFirst) + 1, 0) {}

  void Record(int32_t first, int32_t last) {
    for (size_t at = static_cast<size_t>(first); at < best_.size(); at += at & (~at + 1))
      best_[at] = std::max(best_[at], last);
  }

  int32_t MaxLastUpTo(int32_t first) const {
    int32_t best = 0;
    for (size_t at = static_cast<size_t>(first); at > 0; at -= at & (~at + 1))
      best = std::max(best, best_[at]);
    return best;
  }

 private:
  std::vector<int32_t> best_;
};

}  // namespace

void MarkTickedEntries(BookmarkModel& model, const TreeShape& shape, const CheckStates& checked) {
  ClearTicks(model);
  std::unordered_map<std::string, int32_t> groupOfLabel;
  std::vector<LabelGroup> groups;
  std::vector<int32_t> groupOfEntry(static_cast<size_t>(model.entryCount));
  for (int32_t i = 0; i < model.entryCount; ++i) {
    std::string label = LabelOf(model, i);
    const auto [found, added] =
        groupOfLabel.try_emplace(std::move(label), static_cast<int32_t>(groups.size()));
    if (added) groups.emplace_back();
    groupOfEntry[static_cast<size_t>(i)] = found->second;
    const LabelPages pages = ParseBookmarkLabel(found->first.c_str());
    const BookmarkEntry& entry = model.entries[i];
    if (entry.firstPage == pages.first && entry.lastPage == pages.last)
      groups[static_cast<size_t>(found->second)].entries.push_back(i);
  }
  for (const int32_t item : shape.preorder) {
    if (!checked[static_cast<size_t>(item)]) continue;
    LabelGroup& group = groups[static_cast<size_t>(groupOfEntry[static_cast<size_t>(item)])];
    if (group.next < group.entries.size()) model.entries[group.entries[group.next++]].ticked = 1;
  }
}

void MarkTickedEntriesPlainly(BookmarkModel& model, const TreeShape& shape,
                              const CheckStates& checked) {
  ClearTicks(model);
  for (const int32_t item : shape.preorder) {
    if (!checked[static_cast<size_t>(item)]) continue;
    const std::string label = LabelOf(model, item);
    const LabelPages pages = ParseBookmarkLabel(label.c_str());
    // Every entry's label is built from the pages read, as the item's was.
    for (int32_t i = 0; i < model.entryCount; ++i) {
      BookmarkEntry& entry = model.entries[i];
      const bool sameLabel = BookmarkLabel(model.titles[i], pages.first, pages.last) == label;
      if (entry.ticked == 0 && entry.firstPage == pages.first && entry.lastPage == pages.last &&
          sameLabel) {
        entry.ticked = 1;
        break;
      }
    }
  }
}

// An entry stays ticked unless a ticked outer entry, at its turn, holds its pages. So
// the outer entries that act are those still ticked at their turn: not inside one
// that acted before. No two of those have the same range, since the later would lie
// inside the earlier.
void DropNestedTicks(BookmarkModel& model) {
  const int32_t count = model.entryCount;
  int32_t outerEnd = 0;
  int32_t maxFirst = 1;
  while (outerEnd < count && model.entries[outerEnd].performsAction != 1) ++outerEnd;
  // First pages are at least 1 (the model's own rule).
  for (int32_t i = 0; i < count; ++i) maxFirst = std::max(maxFirst, model.entries[i].firstPage);

  LastPageByFirstPage acting(maxFirst);
  // By first page: the greatest last page of an acting entry that starts there.
  std::vector<int32_t> actingLastAt(static_cast<size_t>(maxFirst) + 1, 0);
  std::vector<uint8_t> acted(static_cast<size_t>(count), 0);
  for (int32_t i = 0; i < outerEnd; ++i) {
    const BookmarkEntry& entry = model.entries[i];
    if (entry.ticked == 0) continue;
    if (acting.MaxLastUpTo(entry.firstPage) >= entry.lastPage) continue;
    acting.Record(entry.firstPage, entry.lastPage);
    int32_t& lastAt = actingLastAt[static_cast<size_t>(entry.firstPage)];
    lastAt = std::max(lastAt, entry.lastPage);
    acted[static_cast<size_t>(i)] = 1;
  }
  for (int32_t j = 0; j < count; ++j) {
    BookmarkEntry& entry = model.entries[j];
    if (entry.ticked == 0) continue;
    const int32_t first = entry.firstPage;
    bool inside;
    if (acted[static_cast<size_t>(j)]) {
      // Held by another acting entry: one that starts earlier and ends no sooner, or
      // starts with it and ends later.
      inside = acting.MaxLastUpTo(first - 1) >= entry.lastPage ||
               actingLastAt[static_cast<size_t>(first)] > entry.lastPage;
    } else {
      inside = acting.MaxLastUpTo(first) >= entry.lastPage;
    }
    if (inside) entry.ticked = 0;
  }
}

void DropNestedTicksPlainly(BookmarkModel& model) {
  for (int32_t i = 0; i < model.entryCount; ++i) {
    const BookmarkEntry& outer = model.entries[i];
    if (outer.performsAction == 1) break;
    if (outer.ticked == 0) continue;
    for (int32_t j = 0; j < model.entryCount; ++j) {
      BookmarkEntry& inner = model.entries[j];
      if (j != i && inner.ticked != 0 && inner.firstPage >= outer.firstPage &&
          inner.lastPage <= outer.lastPage)
        inner.ticked = 0;
    }
  }
}

int32_t TickedPageCount(const BookmarkModel& model) {
  int32_t pages = 0;
  for (int32_t i = 0; i < model.entryCount; ++i) {
    const BookmarkEntry& entry = model.entries[i];
    if (entry.ticked != 0) pages += entry.lastPage - entry.firstPage + 1;
  }
  return pages;
}
