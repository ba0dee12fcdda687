// The selection refresh, away from the tree control: 16384 bookmarks five levels deep
// over 20000 pages (the shape of the tree benchmark's document), every one ticked and
// every fifth-level one ticked, as the dialog refreshes them and as the plain way
// (every checked item against every entry's label, every pair of entries) does.
// Prints the times; judges nothing (it fails only if the two ways disagree).
//   refresh-benchmark
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "model/bookmark_ranges.h"
#include "model/selection_refresh.h"

namespace {

constexpr int kPages = 20000;
constexpr int kBookmarks = 16384;
constexpr int kBranching[] = {4, 7, 8, 8, 8};
constexpr const char* kLevelNames[] = {"Part", "Chapter", "Section", "Subsection", "Topic"};

void AddLevel(BookmarkModel& model, int level, const std::string& number) {
  for (int i = 1; i <= kBranching[level]; ++i) {
    const std::string mine = number.empty() ? std::to_string(i) : number + "." + std::to_string(i);
    const int page = 1 + static_cast<int>(static_cast<long long>(model.entryCount) * kPages / kBookmarks);
    AppendBookmarkEntry(model, level + 1, page, 0, std::string(kLevelNames[level]) + " " + mine,
                        PDAction{});
    if (level + 1 < 5) AddLevel(model, level + 1, mine);
  }
}

double MsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

template <typename Work>
double BestOf(int runs, Work work) {
  double best = 1e300;
  for (int r = 0; r < runs; ++r) {
    const auto start = std::chrono::steady_clock::now();
    work();
    best = std::min(best, MsSince(start));
  }
  return best;
}

int Ticked(const BookmarkModel& model) {
  int ticked = 0;
  for (int i = 0; i < model.entryCount; ++i) ticked += model.entries[i].ticked;
  return ticked;
}

}  // namespace

int main() {
  auto model = std::make_unique<BookmarkModel>();
  model->pageCount = kPages;
  AddLevel(*model, 0, "");
  AssignBookmarkRanges(*model);
  const TreeShape shape = BuildTreeShape(*model);
  CheckStates all(static_cast<size_t>(model->entryCount), 1);
  // Every fifth-level topic: 14336 ranges, none inside another, so nothing is dropped
  // and the plain way compares every pair.
  CheckStates topics(static_cast<size_t>(model->entryCount), 0);
  for (int i = 0; i < model->entryCount; ++i) topics[static_cast<size_t>(i)] = model->entries[i].level == 5;

  std::printf("Selection refresh, %d bookmarks (five levels, %d pages):\n", model->entryCount, kPages);
  std::printf("  %-44s %10s %10s\n", "", "quick", "plain");
  bool same = true;
  for (const auto& [name, checked] : {std::pair<const char*, const CheckStates*>{"every bookmark ticked", &all},
                                      {"every topic ticked", &topics}}) {
    const double quickMark = BestOf(5, [&] { MarkTickedEntries(*model, shape, *checked); });
    double quickDrop = 1e300;
    for (int r = 0; r < 5; ++r) {
      MarkTickedEntries(*model, shape, *checked);
      quickDrop = std::min(quickDrop, BestOf(1, [&] { DropNestedTicks(*model); }));
    }
    const int quickKept = Ticked(*model);
    const double plainMark = BestOf(1, [&] { MarkTickedEntriesPlainly(*model, shape, *checked); });
    const double plainDrop = BestOf(1, [&] { DropNestedTicksPlainly(*model); });
    const int plainKept = Ticked(*model);
    same = same && quickKept == plainKept;
    std::printf("  %s:\n", name);
    std::printf("    %-42s %8.1f ms %8.0f ms\n", "ticked entries from the items", quickMark, plainMark);
    std::printf("    %-42s %8.1f ms %8.0f ms\n", "nested ranges dropped", quickDrop, plainDrop);
    std::printf("    %-42s %8.1f ms %8.0f ms\n", "the whole refresh", quickMark + quickDrop,
                plainMark + plainDrop);
    std::printf("    entries left ticked: %d (quick), %d (plain)\n", quickKept, plainKept);
  }
  return same ? 0 : 1;
}
