#include <gtest/gtest.h>

#include "script/script_values.h"

namespace viewer::script {
namespace {

TEST(ScriptValues, Counts) {
  EXPECT_EQ(ParseCount("0"), 0);
  EXPECT_EQ(ParseCount("1075"), 1075);
  EXPECT_EQ(ParseCount(""), std::nullopt);
  EXPECT_EQ(ParseCount("-1"), std::nullopt);
  EXPECT_EQ(ParseCount("+1"), std::nullopt);
  EXPECT_EQ(ParseCount("1x"), std::nullopt);
  EXPECT_EQ(ParseCount("1234567890"), std::nullopt);
}

TEST(ScriptValues, Seconds) {
  EXPECT_EQ(ParseSecondsAsMilliseconds("20"), 20000);
  EXPECT_EQ(ParseSecondsAsMilliseconds("2.5"), 2500);
  EXPECT_EQ(ParseSecondsAsMilliseconds(".25"), 250);
  EXPECT_EQ(ParseSecondsAsMilliseconds("0.001"), 1);
  EXPECT_EQ(ParseSecondsAsMilliseconds("0"), std::nullopt);
  EXPECT_EQ(ParseSecondsAsMilliseconds("0.0001"), std::nullopt);
  EXPECT_EQ(ParseSecondsAsMilliseconds("2."), std::nullopt);
  EXPECT_EQ(ParseSecondsAsMilliseconds("."), std::nullopt);
  EXPECT_EQ(ParseSecondsAsMilliseconds("1e3"), std::nullopt);
  EXPECT_EQ(ParseSecondsAsMilliseconds("-3"), std::nullopt);
  EXPECT_EQ(ParseSecondsAsMilliseconds("86401"), std::nullopt);
}

TEST(ScriptValues, PageLists) {
  EXPECT_EQ(ParsePageList("none"), std::vector<int>{});
  EXPECT_EQ(ParsePageList("NONE"), std::vector<int>{});
  EXPECT_EQ(ParsePageList("1,5,9"), (std::vector<int>{1, 5, 9}));
  EXPECT_EQ(ParsePageList("9, 1"), (std::vector<int>{9, 1}));
  EXPECT_EQ(ParsePageList("0"), std::nullopt);
  EXPECT_EQ(ParsePageList("1,,2"), std::nullopt);
  EXPECT_EQ(ParsePageList("1,"), std::nullopt);
  EXPECT_EQ(ParsePageList(""), std::nullopt);
  EXPECT_EQ(ParsePageList("999999999"), std::vector<int>{999999999});
  EXPECT_EQ(FormatNumberList({}), "none");
  EXPECT_EQ(FormatNumberList({3, 1}), "3,1");
}

TEST(ScriptValues, IdLists) {
  EXPECT_EQ(ParseIdList("1075,1076,1000"), (std::vector<int>{1075, 1076, 1000}));
  EXPECT_EQ(ParseIdList("1075, 1076"), (std::vector<int>{1075, 1076}));
  EXPECT_EQ(ParseIdList("0,65534"), (std::vector<int>{0, 65534}));
  EXPECT_EQ(ParseIdList("7,7"), (std::vector<int>{7, 7}));
  // 65535 marks the windows without an id, which a tab order leaves out.
  EXPECT_EQ(ParseIdList("1075,65535"), std::nullopt);
  EXPECT_EQ(ParseIdList("65536"), std::nullopt);
  EXPECT_EQ(ParseIdList("none"), std::nullopt);
  EXPECT_EQ(ParseIdList(""), std::nullopt);
  EXPECT_EQ(ParseIdList("1075,"), std::nullopt);
  EXPECT_EQ(ParseIdList("1075;1076"), std::nullopt);
  EXPECT_EQ(ParseIdList("-1"), std::nullopt);
}

TEST(ScriptValues, ItemLists) {
  EXPECT_EQ(ParseItemList("none"), std::vector<std::string>{});
  EXPECT_EQ(ParseItemList("None"), std::vector<std::string>{});
  EXPECT_EQ(ParseItemList("A3|A4|Letter"), (std::vector<std::string>{"A3", "A4", "Letter"}));
  EXPECT_EQ(ParseItemList("A4"), std::vector<std::string>{"A4"});
  // Texts are taken as written: blanks and empty items count.
  EXPECT_EQ(ParseItemList(" A3 ||B"), (std::vector<std::string>{" A3 ", "", "B"}));
  EXPECT_EQ(ParseItemList("A3|"), (std::vector<std::string>{"A3", ""}));
  EXPECT_EQ(ParseItemList("none|A4"), (std::vector<std::string>{"none", "A4"}));
  EXPECT_EQ(ParseItemList(""), std::nullopt);
  EXPECT_EQ(FormatItemList({}), "none");
  EXPECT_EQ(FormatItemList({"A3", "", "Letter"}), "A3||Letter");
}

TEST(ScriptValues, PathsAreResolvedFromTheScriptFolder) {
  EXPECT_EQ(ResolvePath("/work/tests", "a.pdf"), "/work/tests/a.pdf");
  EXPECT_EQ(ResolvePath("/work/tests", "../out/a.png"), "/work/out/a.png");
  EXPECT_EQ(ResolvePath("/work/tests", "./x/./y"), "/work/tests/x/y");
  EXPECT_EQ(ResolvePath("/work/tests", "/tmp//b.pdf"), "/tmp/b.pdf");
  EXPECT_EQ(ResolvePath("/", "../a"), "/a");
  EXPECT_EQ(ResolvePath("/work", "."), "/work");
}

TEST(ScriptValues, FolderOfAPath) {
  EXPECT_EQ(FolderOf("/a/b/c.tvs"), "/a/b");
  EXPECT_EQ(FolderOf("c.tvs"), ".");
  EXPECT_EQ(FolderOf("/c.tvs"), "/");
}

TEST(ScriptValues, WindowsPaths) {
  EXPECT_EQ(WindowsPathOf("/tmp/out dir/a.ppf"), "Z:\\tmp\\out dir\\a.ppf");
}

TEST(ScriptValues, Mnemonics) {
  EXPECT_EQ(WithoutMnemonics("&Tessaly"), "Tessaly");
  EXPECT_EQ(WithoutMnemonics("Save && &Close"), "Save & Close");
  EXPECT_EQ(WithoutMnemonics("end&"), "end");
  EXPECT_TRUE(LabelMatches("&Yes", "Yes"));
  EXPECT_TRUE(LabelMatches("OK", "ok"));
  EXPECT_TRUE(LabelMatches("&Tessaly", "&Tessaly"));
  EXPECT_FALSE(LabelMatches("&No", "Yes"));
  EXPECT_FALSE(LabelMatches("Cancel", "Cancel all"));
}

}  // namespace
}  // namespace viewer::script
