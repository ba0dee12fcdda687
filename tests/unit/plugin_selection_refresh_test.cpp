// The selection refresh: ticked items to ticked entries, nested ranges dropped, the
// page count; the quick forms against the plain ones on many random trees.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/bookmark_ranges.h"
#include "model/selection_refresh.h"

namespace {

struct Bookmark {
  int level;
  int first;
  const char* title;
};

std::unique_ptr<BookmarkModel> ModelOf(const std::vector<Bookmark>& bookmarks, int pageCount) {
  auto model = std::make_unique<BookmarkModel>();
  model->pageCount = pageCount;
  for (const Bookmark& b : bookmarks)
    AppendBookmarkEntry(*model, b.level, b.first, 0, b.title, PDAction{});
  AssignBookmarkRanges(*model);
  return model;
}

std::vector<int> Ticked(const BookmarkModel& model) {
  std::vector<int> ticked;
  for (int i = 0; i < model.entryCount; ++i)
    if (model.entries[i].ticked) ticked.push_back(i);
  return ticked;
}

void Refresh(BookmarkModel& model, const CheckStates& checked, bool dropNested) {
  MarkTickedEntries(model, BuildTreeShape(model), checked);
  if (dropNested) DropNestedTicks(model);
}

TEST(PluginSelectionRefresh, ATickedParentHoldsItsTickedChild) {
  // Parent 1-10, its child 3-4, then a bookmark at page 11.
  auto model = ModelOf({{1, 1, "Parent"}, {2, 3, "Child"}, {2, 5, "Other"}, {1, 11, "Next"}}, 20);
  ASSERT_EQ(model->entries[0].lastPage, 10);
  ASSERT_EQ(model->entries[1].lastPage, 4);
  Refresh(*model, {1, 1, 0, 0}, true);
  EXPECT_EQ(Ticked(*model), (std::vector<int>{0}));
  EXPECT_EQ(TickedPageCount(*model), 10);

  Refresh(*model, {1, 1, 0, 0}, false);
  EXPECT_EQ(Ticked(*model), (std::vector<int>{0, 1}));
  EXPECT_EQ(TickedPageCount(*model), 12);
}

TEST(PluginSelectionRefresh, BookmarksWithTheSameLabelAreTickedInListOrder) {
  // Two "Same" bookmarks both on page 3 alone.
  auto model = ModelOf({{1, 1, "Intro"}, {1, 3, "Same"}, {1, 3, "Same"}, {1, 4, "End"}}, 4);
  ASSERT_EQ(model->entries[1].lastPage, 3);
  ASSERT_EQ(model->entries[2].lastPage, 3);
  // Only the second item is ticked, yet it stands for the first unticked entry.
  Refresh(*model, {0, 0, 1, 0}, false);
  EXPECT_EQ(Ticked(*model), (std::vector<int>{1}));
  Refresh(*model, {0, 1, 1, 0}, false);
  EXPECT_EQ(Ticked(*model), (std::vector<int>{1, 2}));
  // Of two equal ranges the earlier stays.
  Refresh(*model, {0, 1, 1, 0}, true);
  EXPECT_EQ(Ticked(*model), (std::vector<int>{1}));
}

TEST(PluginSelectionRefresh, AnOuterBookmarkLaterInTheListStillDropsAnEarlierInnerOne) {
  auto model = ModelOf({{1, 3, "Inner"}, {1, 1, "Outer"}}, 10);
  model->entries[0].lastPage = 4;
  model->entries[1].lastPage = 10;
  Refresh(*model, {1, 1}, true);
  EXPECT_EQ(Ticked(*model), (std::vector<int>{1}));
}

TEST(PluginSelectionRefresh, NoOuterFromTheFirstBookmarkThatPerformsAnAction) {
  auto model = ModelOf({{1, 1, "Layered"}, {2, 3, "Child"}}, 10);
  model->entries[0].performsAction = 1;
  Refresh(*model, {1, 1}, true);
  EXPECT_EQ(Ticked(*model), (std::vector<int>{0, 1}));
  // Before it, an outer entry still drops it.
  auto later = ModelOf({{1, 1, "Plain"}, {2, 3, "Layered"}}, 10);
  later->entries[1].performsAction = 1;
  Refresh(*later, {1, 1}, true);
  EXPECT_EQ(Ticked(*later), (std::vector<int>{0}));
}

TEST(PluginSelectionRefresh, NothingTickedCountsNothing) {
  auto model = ModelOf({{1, 1, "A"}, {1, 2, "B"}}, 2);
  Refresh(*model, {0, 0}, true);
  EXPECT_TRUE(Ticked(*model).empty());
  EXPECT_EQ(TickedPageCount(*model), 0);
}

// Random trees with few titles and pages, so that labels repeat and ranges nest and
// coincide often; the entries' pages are set directly, out of order too.
TEST(PluginSelectionRefresh, QuickFormsAgreeWithThePlainOnes) {
  std::mt19937 random(20261208);
  const char* titles[] = {"A", "B", "Same", "A (Pages: 2-3)"};
  for (int round = 0; round < 400; ++round) {
    auto model = std::make_unique<BookmarkModel>();
    model->pageCount = 12;
    const int count = 1 + static_cast<int>(random() % 40);
    int level = 1;
    for (int i = 0; i < count; ++i) {
      level = std::max(1, std::min(level + static_cast<int>(random() % 3) - 1, 4));
      AppendBookmarkEntry(*model, level, 1, 0, titles[random() % 4], PDAction{});
      BookmarkEntry& entry = model->entries[i];
      entry.firstPage = 1 + static_cast<int>(random() % 12);
      entry.lastPage = entry.firstPage + static_cast<int>(random() % (13 - entry.firstPage));
      entry.performsAction = random() % 25 == 0 ? 1 : 0;
    }
    CheckStates checked(static_cast<size_t>(count));
    for (auto& c : checked) c = random() % 2;
    const TreeShape shape = BuildTreeShape(*model);

    MarkTickedEntries(*model, shape, checked);
    const std::vector<int> quickMarks = Ticked(*model);
    DropNestedTicks(*model);
    const std::vector<int> quickKept = Ticked(*model);

    MarkTickedEntriesPlainly(*model, shape, checked);
    ASSERT_EQ(quickMarks, Ticked(*model)) << "round " << round;
    DropNestedTicksPlainly(*model);
    ASSERT_EQ(quickKept, Ticked(*model)) << "round " << round;
  }
}

}  // namespace
