// The order in which the tree's items are expanded and collapsed (deepest first), and
// which items have children.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/expansion_order.h"
#include "model_builders.h"

namespace {

std::vector<int32_t> OrderOf(const BookmarkModel& model) {
  std::vector<int32_t> order(static_cast<size_t>(model.entryCount));
  order.resize(static_cast<size_t>(ExpansionOrder(BuildTreeShape(model), order.data())));
  return order;
}

//  0 A
//    1 A.1
//      2 A.1.a
//    3 A.2
//  4 B
//  5 C
//    6 C.1
const std::vector<int> kLevels = {1, 2, 3, 2, 1, 1, 2};

TEST(PluginExpansionOrder, AnItemBelowASkippedLevelOpensTheItemItHangsUnder) {
  // The fourth bookmark hangs under the second one's item, not the third's.
  auto model = ModelOfLevels({1, 2, 1, 3});
  EXPECT_EQ(OrderOf(*model), (std::vector<int32_t>{1, 0}));
}

TEST(PluginExpansionOrder, GoesDeepestFirst) {
  auto model = ModelOfLevels(kLevels);
  EXPECT_EQ(OrderOf(*model), (std::vector<int32_t>{5, 1, 0}));
}

TEST(PluginExpansionOrder, EveryItemWithChildrenGetsTheRequestOnce) {
  auto model = ModelOfLevels({1, 2, 3, 4, 3, 2, 3, 1, 2, 1});
  EXPECT_EQ(OrderOf(*model), (std::vector<int32_t>{7, 5, 2, 1, 0}));
}

TEST(PluginExpansionOrder, EachItemComesAfterAllItsDescendantsAndBeforeItsAncestors) {
  std::vector<int> levels;
  for (int a = 0; a < 4; ++a) {
    levels.push_back(1);
    for (int b = 0; b < 3; ++b) {
      levels.push_back(2);
      for (int c = 0; c < 2; ++c) {
        levels.push_back(3);
        levels.push_back(4);
        levels.push_back(5);
      }
    }
  }
  auto model = ModelOfLevels(levels);
  const std::vector<int32_t> order = OrderOf(*model);
  std::vector<int> position(levels.size(), -1);
  for (size_t k = 0; k < order.size(); ++k) position[static_cast<size_t>(order[k])] = static_cast<int>(k);
  // The parent of entry i: the nearest earlier entry one level up.
  for (int i = 0; i < model->entryCount; ++i) {
    if (position[static_cast<size_t>(i)] < 0) continue;
    for (int p = i - 1; p >= 0; --p) {
      if (model->entries[p].level < model->entries[i].level) {
        EXPECT_GT(position[static_cast<size_t>(p)], position[static_cast<size_t>(i)]);
        break;
      }
    }
  }
}

TEST(PluginExpansionOrder, FlatOutlineHasNothingToExpand) {
  auto model = ModelOfLevels({1, 1, 1});
  EXPECT_TRUE(OrderOf(*model).empty());
}

TEST(PluginExpansionOrder, BookmarksListedAtTheDeepestLevelHaveNoChildren) {
  std::vector<int> levels;
  for (int level = 1; level <= 60; ++level) levels.push_back(level);
  auto model = ModelOfLevels(levels);
  // Levels 1 to 48 each have a child; 49 and the ones listed there with it do not.
  EXPECT_EQ(OrderOf(*model).size(), 48u);
}

}  // namespace
