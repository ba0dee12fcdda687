// The tree's shape as the items are inserted, and what ticking an item does to the
// other boxes: descendants follow, ancestors are unticked, a completed parent is ticked.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/check_rules.h"
#include "model_builders.h"

namespace {

class Boxes : public CheckBoxes {
 public:
  explicit Boxes(size_t count) : states(count, 0) {}
  bool IsChecked(int32_t entry) override { return states.at(static_cast<size_t>(entry)) != 0; }
  void SetChecked(int32_t entry, bool checked) override {
    states.at(static_cast<size_t>(entry)) = checked ? 1 : 0;
  }
  std::vector<int> Checked() const {
    std::vector<int> checked;
    for (size_t i = 0; i < states.size(); ++i)
      if (states[i]) checked.push_back(static_cast<int>(i));
    return checked;
  }
  std::vector<uint8_t> states;
};

//  0 A
//    1 A.1
//      2 A.1.a
//    3 A.2
//  4 B
//  5 C
//    6 C.1
const std::vector<int> kLevels = {1, 2, 3, 2, 1, 1, 2};

struct Fixture {
  Fixture() : model(ModelOfLevels(kLevels)), shape(BuildTreeShape(*model)), boxes(kLevels.size()) {}
  std::unique_ptr<BookmarkModel> model;
  TreeShape shape;
  Boxes boxes;
};

TEST(PluginTreeShape, FollowsTheNestingOfTheList) {
  Fixture f;
  EXPECT_EQ(f.shape.parent, (std::vector<int32_t>{-1, 0, 1, 0, -1, -1, 5}));
  EXPECT_EQ(f.shape.depth, (std::vector<int32_t>{1, 2, 3, 2, 1, 1, 2}));
  EXPECT_EQ(f.shape.preorder, (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(f.shape.extent, (std::vector<int32_t>{4, 2, 1, 1, 1, 2, 1}));
  EXPECT_EQ(f.shape.Children(0), (std::vector<int32_t>{1, 3}));
  EXPECT_EQ(f.shape.Children(-1), (std::vector<int32_t>{0, 4, 5}));
  EXPECT_TRUE(f.shape.HasChildren(5));
  EXPECT_FALSE(f.shape.HasChildren(4));
}

TEST(PluginTreeShape, AnItemBelowASkippedLevelHangsWhereTheInsertionPutsIt) {
  // The fourth bookmark lies two levels below the third: its item goes under the
  // item inserted last at level 2, which belongs to the first bookmark.
  auto model = ModelOfLevels({1, 2, 1, 3});
  const TreeShape shape = BuildTreeShape(*model);
  EXPECT_EQ(shape.parent, (std::vector<int32_t>{-1, 0, -1, 1}));
  EXPECT_EQ(shape.preorder, (std::vector<int32_t>{0, 1, 3, 2}));
  EXPECT_EQ(shape.depth[3], 3);

  // With nothing yet inserted one level up, the item goes to the top.
  auto top = ModelOfLevels({1, 3, 2, 3});
  const TreeShape topShape = BuildTreeShape(*top);
  EXPECT_EQ(topShape.parent, (std::vector<int32_t>{-1, -1, 0, 2}));
  EXPECT_EQ(topShape.depth, (std::vector<int32_t>{1, 1, 2, 3}));
}

TEST(PluginCheckRules, TickingAParentTicksEveryDescendantButLeavesItsOwnBox) {
  Fixture f;
  ApplyAutoCheck(f.shape, f.boxes, 0, false);
  // The control toggles A itself after the click.
  EXPECT_EQ(f.boxes.Checked(), (std::vector<int>{1, 2, 3}));

  Fixture g;
  g.boxes.states = {1, 1, 1, 1, 0, 0, 0};
  ApplyAutoCheck(g.shape, g.boxes, 0, true);
  EXPECT_EQ(g.boxes.Checked(), (std::vector<int>{0}));
}

TEST(PluginCheckRules, UntickingAnyItemUnticksAllItsAncestors) {
  Fixture f;
  f.boxes.states = {1, 1, 1, 1, 1, 1, 1};
  ApplyAutoCheck(f.shape, f.boxes, 2, true);
  EXPECT_EQ(f.boxes.Checked(), (std::vector<int>{2, 3, 4, 5, 6}));
}

TEST(PluginCheckRules, TickingTheLastUntickedChildTicksTheParentOnly) {
  Fixture f;
  f.boxes.states = {0, 0, 0, 1, 0, 0, 0};
  // A.1.a is A.1's only child: A.1 is ticked; A now has both children ticked but is
  // not looked at again.
  ApplyAutoCheck(f.shape, f.boxes, 2, false);
  EXPECT_EQ(f.boxes.Checked(), (std::vector<int>{1, 3}));

  // Ticking A.1 itself while A.2 is ticked completes A.
  Fixture g;
  g.boxes.states = {0, 0, 0, 1, 0, 0, 0};
  ApplyAutoCheck(g.shape, g.boxes, 1, false);
  EXPECT_EQ(g.boxes.Checked(), (std::vector<int>{0, 2, 3}));

  // A sibling still unticked keeps the parent as it is; a top-level item has none.
  Fixture h;
  ApplyAutoCheck(h.shape, h.boxes, 3, false);
  ApplyAutoCheck(h.shape, h.boxes, 4, false);
  EXPECT_TRUE(h.boxes.Checked().empty());
}

TEST(PluginCheckRules, SetAllAndLevelsTouchOnlyWhatTheySay) {
  Fixture f;
  SetAllChecks(f.shape, f.boxes, true);
  EXPECT_EQ(f.boxes.Checked().size(), kLevels.size());
  SetAllChecks(f.shape, f.boxes, false);
  EXPECT_TRUE(f.boxes.Checked().empty());

  f.boxes.states[4] = 1;
  CheckLevel(f.shape, f.boxes, 2);
  EXPECT_EQ(f.boxes.Checked(), (std::vector<int>{1, 3, 4, 6}));
  CheckLevel(f.shape, f.boxes, 7);
  EXPECT_EQ(f.boxes.Checked(), (std::vector<int>{1, 3, 4, 6}));
}

TEST(PluginCheckRules, MatchingItemsAreTickedWithTheirDescendants) {
  Fixture f;
  f.boxes.states[3] = 1;
  CheckMatching(f.shape, f.boxes, [](int32_t entry) { return entry == 1; }, true);
  // A.1 with A.1.a, and A completed by A.1 beside the ticked A.2.
  EXPECT_EQ(f.boxes.Checked(), (std::vector<int>{0, 1, 2, 3}));

  Fixture g;
  CheckMatching(g.shape, g.boxes, [](int32_t entry) { return entry == 0 || entry == 6; }, false);
  EXPECT_EQ(g.boxes.Checked(), (std::vector<int>{0, 6}));

  // A matching item already ticked stays ticked.
  Fixture h;
  h.boxes.states[5] = 1;
  CheckMatching(h.shape, h.boxes, [](int32_t entry) { return entry == 5; }, true);
  EXPECT_EQ(h.boxes.Checked(), (std::vector<int>{5, 6}));
}

}  // namespace
