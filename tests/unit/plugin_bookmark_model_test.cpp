// Appending bookmarks to the model: the entry's six values, the parallel arrays, and
// what happens past the model's limits.
#include <gtest/gtest.h>

#include <memory>

#include "model/bookmark_model.h"

namespace {

TEST(PluginBookmarkModel, EntryHoldsItsSixValuesInOrder) {
  auto model = std::make_unique<BookmarkModel>();
  model->pageCount = 341;
  ASSERT_TRUE(AppendBookmarkEntry(*model, 2, 17, 1, "Section", PDAction{{7, 3}}));
  ASSERT_EQ(model->entryCount, 1);
  const int32_t* values = reinterpret_cast<const int32_t*>(&model->entries[0]);
  EXPECT_EQ(values[0], 2);    // level
  EXPECT_EQ(values[1], 17);   // first page
  EXPECT_EQ(values[2], 341);  // last page: the page count until ranges are worked out
  EXPECT_EQ(values[3], 0);    // ticked
  EXPECT_EQ(values[4], 2);    // level copy
  EXPECT_EQ(values[5], 1);    // performs action
  EXPECT_EQ(model->titles[0], "Section");
  EXPECT_EQ(model->actions[0].id, 7u);
  EXPECT_EQ(model->actions[0].gen, 3u);
}

TEST(PluginBookmarkModel, StartsEmpty) {
  auto model = std::make_unique<BookmarkModel>();
  EXPECT_EQ(model->entryCount, 0);
  EXPECT_EQ(model->pageCount, 0);
  EXPECT_EQ(model->startLevel, 0);
  EXPECT_EQ(model->startFlag, 0);
}

TEST(PluginBookmarkModel, StopsAddingWhenFull) {
  auto model = std::make_unique<BookmarkModel>();
  for (int i = 0; i < kBookmarkCapacity; ++i)
    ASSERT_TRUE(AppendBookmarkEntry(*model, 1, i + 1, 0, "t", PDAction{}));
  EXPECT_FALSE(AppendBookmarkEntry(*model, 1, 1, 0, "one too many", PDAction{}));
  EXPECT_EQ(model->entryCount, kBookmarkCapacity);
  EXPECT_EQ(model->titles[kBookmarkCapacity - 1], "t");
}

TEST(PluginBookmarkModel, DeeperThanTheDeepestLevelIsListedThere) {
  auto model = std::make_unique<BookmarkModel>();
  AppendBookmarkEntry(*model, kDeepestLevel, 1, 0, "deepest", PDAction{});
  AppendBookmarkEntry(*model, kDeepestLevel + 1, 1, 0, "deeper", PDAction{});
  AppendBookmarkEntry(*model, 500, 1, 0, "much deeper", PDAction{});
  EXPECT_EQ(model->entries[0].level, 49);
  EXPECT_EQ(model->entries[1].level, 49);
  EXPECT_EQ(model->entries[1].levelCopy, 49);
  EXPECT_EQ(model->entries[2].level, 49);
}

TEST(PluginBookmarkModel, AboveTheTopLevelIsListedAtTheTopLevel) {
  auto model = std::make_unique<BookmarkModel>();
  AppendBookmarkEntry(*model, 0, 1, 0, "root with an action", PDAction{});
  AppendBookmarkEntry(*model, -3, 1, 0, "nonsense", PDAction{});
  EXPECT_EQ(model->entries[0].level, 1);
  EXPECT_EQ(model->entries[1].level, 1);
  EXPECT_EQ(model->entries[1].levelCopy, 1);
}

TEST(PluginBookmarkModel, RebuildReusesTheSlots) {
  auto model = std::make_unique<BookmarkModel>();
  AppendBookmarkEntry(*model, 1, 1, 0, "a long first title that needs its own storage", PDAction{});
  model->entryCount = 0;
  AppendBookmarkEntry(*model, 1, 2, 0, "b", PDAction{});
  EXPECT_EQ(model->titles[0], "b");
  EXPECT_EQ(model->entries[0].firstPage, 2);
}

}  // namespace
