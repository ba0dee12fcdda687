// The pages "Select thumbnails" selects, and the page lists kept of them.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/thumbnail_plan.h"

namespace {

// Ticked bookmarks at pages 1-4 (level 1), 5-8 (level 2) and 9-12 (level 1).
std::unique_ptr<BookmarkModel> ThreeTicked() {
  auto model = std::make_unique<BookmarkModel>();
  model->pageCount = 12;
  const int levels[] = {1, 2, 1};
  const int firsts[] = {1, 5, 9};
  for (int i = 0; i < 3; ++i) {
    AppendBookmarkEntry(*model, levels[i], firsts[i], 0, "t", PDAction{});
    model->entries[i].lastPage = firsts[i] + 3;
    model->entries[i].ticked = 1;
  }
  return model;
}

std::vector<int> Pages(const std::vector<ThumbnailPage>& plan) {
  std::vector<int> pages;
  for (const ThumbnailPage& p : plan) pages.push_back(p.page);
  return pages;
}

TEST(PluginThumbnailPlan, FirstPagesOnly) {
  auto model = ThreeTicked();
  const auto plan = PlanThumbnailPages(*model, true, 0);
  EXPECT_EQ(Pages(plan), (std::vector<int>{1, 5, 9}));
  EXPECT_EQ(plan[1].level, 2);
  std::string list;
  for (const ThumbnailPage& p : plan) AppendPageToList(list, p.page);
  EXPECT_EQ(list, "1,5,9,");
}

TEST(PluginThumbnailPlan, EveryPageOfEveryTickedBookmark) {
  auto model = ThreeTicked();
  model->entries[1].ticked = 0;
  EXPECT_EQ(Pages(PlanThumbnailPages(*model, false, 0)),
            (std::vector<int>{1, 2, 3, 4, 9, 10, 11, 12}));
  model->entries[0].ticked = 0;
  model->entries[2].ticked = 0;
  EXPECT_TRUE(PlanThumbnailPages(*model, false, 0).empty());
}

TEST(PluginThumbnailPlan, ThePageBeforeEachBookmarkAndNoneBeforePageOne) {
  auto model = ThreeTicked();
  EXPECT_EQ(Pages(PlanThumbnailPages(*model, true, 1)), (std::vector<int>{4, 8}));
}

}  // namespace
