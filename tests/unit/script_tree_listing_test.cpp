#include <gtest/gtest.h>

#include "script/tree_listing.h"

namespace viewer::script {
namespace {

TEST(ScriptTreeListing, OneLineAnItemWithItsDepth) {
  std::vector<ListedItem> items = {{1, "Chapter     (Pages: 1-4)"},
                                   {2, "Section     (Page: 2)"},
                                   {1, "     (Page: 5)"}};
  EXPECT_EQ(FormatTreeListing(items),
            "1 Chapter     (Pages: 1-4)\n2 Section     (Page: 2)\n1      (Page: 5)\n");
}

TEST(ScriptTreeListing, ReadsWhatItWrites) {
  std::vector<ListedItem> items = {{1, "A"}, {2, " leading blank"}, {3, ""}, {1, "tab\there"}};
  std::string why;
  auto read = ParseTreeListing(FormatTreeListing(items), &why);
  ASSERT_TRUE(read) << why;
  EXPECT_EQ(CompareTreeListings(items, *read), "");
}

TEST(ScriptTreeListing, CrLfAndAMissingLastLineEnd) {
  std::string why;
  auto read = ParseTreeListing("1 A\r\n2 B", &why);
  ASSERT_TRUE(read) << why;
  ASSERT_EQ(read->size(), 2u);
  EXPECT_EQ((*read)[0].label, "A");
  EXPECT_EQ((*read)[1].depth, 2);
  EXPECT_EQ((*read)[1].label, "B");
}

TEST(ScriptTreeListing, BadLinesAreNamed) {
  std::string why;
  EXPECT_FALSE(ParseTreeListing("1 A\nB\n", &why));
  EXPECT_EQ(why, "line 2 is not \"DEPTH LABEL\"");
  EXPECT_FALSE(ParseTreeListing("0 A\n", &why));
  EXPECT_EQ(why, "line 1 is not \"DEPTH LABEL\"");
  EXPECT_FALSE(ParseTreeListing("\n", &why));
}

TEST(ScriptTreeListing, TheFirstDifferenceIsNamed) {
  std::vector<ListedItem> expected = {{1, "A"}, {2, "B"}};
  EXPECT_EQ(CompareTreeListings(expected, {{1, "A"}, {1, "B"}}),
            "item 2 is depth 1 \"B\", expected depth 2 \"B\"");
  EXPECT_EQ(CompareTreeListings(expected, {{1, "A"}, {2, "C"}}),
            "item 2 is depth 2 \"C\", expected depth 2 \"B\"");
  EXPECT_EQ(CompareTreeListings(expected, {{1, "A"}}),
            "the tree has 1 items, expected 2; item 2 should be depth 2 \"B\"");
  EXPECT_EQ(CompareTreeListings(expected, {{1, "A"}, {2, "B"}, {1, "D"}}),
            "the tree has 3 items, expected 2; item 3 is depth 1 \"D\"");
}

}  // namespace
}  // namespace viewer::script
