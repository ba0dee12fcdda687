// Page ranges of bookmarks: each runs to the page before the next bookmark at its own
// or a shallower level, never ends before it starts, and the last ones run to the end.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "model/bookmark_model.h"
#include "model/bookmark_ranges.h"

namespace {

struct Mark {
  int level;
  int page;
};

std::unique_ptr<BookmarkModel> ModelOf(int pageCount, const std::vector<Mark>& marks) {
  auto model = std::make_unique<BookmarkModel>();
  model->pageCount = pageCount;
  for (const Mark& mark : marks)
    AppendBookmarkEntry(*model, mark.level, mark.page, 0, "t", PDAction{});
  return model;
}

std::vector<std::pair<int, int>> RangesOf(const BookmarkModel& model) {
  std::vector<std::pair<int, int>> ranges;
  for (int i = 0; i < model.entryCount; ++i)
    ranges.emplace_back(model.entries[i].firstPage, model.entries[i].lastPage);
  return ranges;
}

using Ranges = std::vector<std::pair<int, int>>;

TEST(PluginBookmarkRanges, ThreeTopLevelBookmarksShareTheDocument) {
  auto model = ModelOf(12, {{1, 1}, {1, 5}, {1, 9}});
  AssignBookmarkRanges(*model);
  EXPECT_EQ(RangesOf(*model), (Ranges{{1, 4}, {5, 8}, {9, 12}}));
}

TEST(PluginBookmarkRanges, LastBookmarkOnTheLastPageCoversThatPageOnly) {
  auto model = ModelOf(12, {{1, 1}, {1, 5}, {1, 12}});
  AssignBookmarkRanges(*model);
  EXPECT_EQ(RangesOf(*model), (Ranges{{1, 4}, {5, 11}, {12, 12}}));
}

TEST(PluginBookmarkRanges, ChildOnTheSamePageAsItsNextSiblingGetsOnePage) {
  auto model = ModelOf(20, {{1, 1}, {2, 3}, {2, 3}, {1, 10}});
  AssignBookmarkRanges(*model);
  EXPECT_EQ(RangesOf(*model), (Ranges{{1, 9}, {3, 3}, {3, 9}, {10, 20}}));
}

TEST(PluginBookmarkRanges, BookmarkBeforeAnEarlierPageEndsOnItsOwnPage) {
  auto model = ModelOf(20, {{1, 9}, {1, 5}});
  AssignBookmarkRanges(*model);
  EXPECT_EQ(RangesOf(*model), (Ranges{{9, 9}, {5, 20}}));
}

TEST(PluginBookmarkRanges, LastChildRunsToThePageBeforeItsParentsNextSibling) {
  auto model = ModelOf(30, {{1, 1}, {2, 2}, {3, 4}, {2, 6}, {3, 7}, {1, 15}, {2, 20}});
  AssignBookmarkRanges(*model);
  EXPECT_EQ(RangesOf(*model),
            (Ranges{{1, 14}, {2, 5}, {4, 5}, {6, 14}, {7, 14}, {15, 30}, {20, 30}}));
}

TEST(PluginBookmarkRanges, DeeperBookmarkDoesNotEndAShallowerOne) {
  auto model = ModelOf(10, {{1, 2}, {2, 3}, {3, 8}});
  AssignBookmarkRanges(*model);
  EXPECT_EQ(RangesOf(*model), (Ranges{{2, 10}, {3, 10}, {8, 10}}));
}

TEST(PluginBookmarkRanges, EmptyModelIsLeftAlone) {
  auto model = ModelOf(10, {});
  AssignBookmarkRanges(*model);
  EXPECT_EQ(model->entryCount, 0);
}

// The rule level by level: for each level L from 0 to the deepest level, each entry of
// level L ends before the first later entry whose level is at most L.
void AssignRangesLevelByLevel(BookmarkModel& model) {
  for (int level = 0; level <= kDeepestLevel; ++level) {
    for (int i = 0; i < model.entryCount; ++i) {
      BookmarkEntry& entry = model.entries[i];
      if (entry.level != level) continue;
      for (int j = i + 1; j < model.entryCount; ++j) {
        if (model.entries[j].level <= level) {
          const int last = model.entries[j].firstPage - 1;
          entry.lastPage = last < entry.firstPage ? entry.firstPage : last;
          break;
        }
      }
    }
  }
}

TEST(PluginBookmarkRanges, OnePassAgreesWithTheLevelByLevelRule) {
  std::mt19937 random(20240601);
  for (int round = 0; round < 200; ++round) {
    auto fast = std::make_unique<BookmarkModel>();
    auto slow = std::make_unique<BookmarkModel>();
    fast->pageCount = slow->pageCount = 1 + static_cast<int>(random() % 500);
    const int count = static_cast<int>(random() % 300);
    for (int i = 0; i < count; ++i) {
      // Any levels at all, also ones the walk never produces, and pages out of order.
      const int level = static_cast<int>(random() % 56) - 2;
      const int page = 1 + static_cast<int>(random() % fast->pageCount);
      BookmarkEntry entry{level, page, fast->pageCount, 0, level, 0};
      fast->entries[fast->entryCount++] = entry;
      slow->entries[slow->entryCount++] = entry;
    }
    AssignBookmarkRanges(*fast);
    AssignRangesLevelByLevel(*slow);
    ASSERT_EQ(RangesOf(*fast), RangesOf(*slow)) << "round " << round;
  }
}

TEST(PluginBookmarkRanges, EveryRangeEndsAtOrAfterItsStart) {
  std::mt19937 random(7);
  auto model = std::make_unique<BookmarkModel>();
  model->pageCount = 1000;
  int level = 1;
  for (int i = 0; i < 5000; ++i) {
    AppendBookmarkEntry(*model, level, 1 + static_cast<int>(random() % 1000), 0, "t",
                        PDAction{});
    const int step = static_cast<int>(random() % 3);
    level = step == 0 ? level + 1 : step == 1 ? level : (level > 1 ? level - 1 : 1);
  }
  AssignBookmarkRanges(*model);
  for (int i = 0; i < model->entryCount; ++i)
    EXPECT_GE(model->entries[i].lastPage, model->entries[i].firstPage);
}

}  // namespace
