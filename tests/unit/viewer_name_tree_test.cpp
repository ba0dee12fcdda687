#include "pdf/name_tree.h"

#include <gtest/gtest.h>

#include <qpdf/QPDF.hh>

namespace viewer::pdf {
namespace {

QPDFObjectHandle Parse(const std::string& text) { return QPDFObjectHandle::parse(text); }

int PageOf(const NameTree& tree, const std::string& key) {
  QPDFObjectHandle value = tree.Find(key);
  return value.isArray() ? value.getArrayItem(0).getIntValueAsInt() : -1;
}

TEST(ViewerNameTree, FindsKeysOfALeaf) {
  const NameTree tree(Parse("<< /Names [ (a) [1 /Fit] (b) [2 /Fit] (c) [3 /Fit] ] >>"));
  EXPECT_EQ(tree.size(), 3u);
  EXPECT_EQ(PageOf(tree, "a"), 1);
  EXPECT_EQ(PageOf(tree, "c"), 3);
  EXPECT_TRUE(tree.Find("d").isNull());
}

TEST(ViewerNameTree, FindsKeysThroughKidsAndLimits) {
  const NameTree tree(Parse(
      "<< /Kids [ << /Limits [(a) (m)] /Kids [ << /Limits [(a) (c)] /Names [(a) [1] (c) [3]] >>"
      "                                         << /Limits [(k) (m)] /Names [(k) [11] (m) [13]] >> ] >>"
      "           << /Limits [(n) (z)] /Names [(n) [14] (z) [26]] >> ] >>"));
  EXPECT_EQ(tree.size(), 6u);
  EXPECT_EQ(PageOf(tree, "a"), 1);
  EXPECT_EQ(PageOf(tree, "m"), 13);
  EXPECT_EQ(PageOf(tree, "z"), 26);
  EXPECT_TRUE(tree.Find("b").isNull());
}

TEST(ViewerNameTree, FindsKeysUnderWrongLimitsAndInUnsortedLeaves) {
  const NameTree tree(Parse(
      "<< /Kids [ << /Limits [(x) (y)] /Names [(m) [5] (b) [2]] >> << /Names [(q) [7]] >> ] >>"));
  EXPECT_EQ(PageOf(tree, "b"), 2);
  EXPECT_EQ(PageOf(tree, "m"), 5);
  EXPECT_EQ(PageOf(tree, "q"), 7);
}

TEST(ViewerNameTree, KeysAreBytesSoTwoByteKeysWork) {
  const NameTree tree(Parse("<< /Names [ <FEFF00410042> [4] (AB) [9] ] >>"));
  EXPECT_EQ(PageOf(tree, std::string("\xFE\xFF\x00\x41\x00\x42", 6)), 4);
  EXPECT_EQ(PageOf(tree, "AB"), 9);
}

TEST(ViewerNameTree, FirstOfTwoEqualKeysWins) {
  const NameTree tree(Parse("<< /Kids [ << /Names [(a) [1]] >> << /Names [(a) [2]] >> ] >>"));
  EXPECT_EQ(PageOf(tree, "a"), 1);
}

TEST(ViewerNameTree, SkipsWhatIsNotAPair) {
  const NameTree tree(Parse("<< /Names [ /notakey [1] (b) [2] (dangling) ] /Kids 5 >>"));
  EXPECT_EQ(tree.size(), 1u);
  EXPECT_EQ(PageOf(tree, "b"), 2);
  EXPECT_EQ(NameTree(QPDFObjectHandle::newNull()).size(), 0u);
}

TEST(ViewerNameTree, AKidReachedAgainIsReadOnce) {
  QPDF pdf;
  pdf.emptyPDF();
  QPDFObjectHandle root = pdf.makeIndirectObject(Parse("<< /Kids [] >>"));
  QPDFObjectHandle leaf = pdf.makeIndirectObject(Parse("<< /Names [(a) [1]] >>"));
  QPDFObjectHandle kids = root.getKey("/Kids");
  kids.appendItem(leaf);
  kids.appendItem(root);  // a loop back to the root
  kids.appendItem(leaf);
  const NameTree tree(root);
  EXPECT_EQ(tree.size(), 1u);
  EXPECT_EQ(PageOf(tree, "a"), 1);
}

TEST(ViewerNameTree, ValuesStayReferences) {
  QPDF pdf;
  pdf.emptyPDF();
  QPDFObjectHandle dest = pdf.makeIndirectObject(Parse("<< /D [3 /Fit] >>"));
  QPDFObjectHandle names = Parse("[(sec) null]");
  names.setArrayItem(1, dest);
  QPDFObjectHandle root = QPDFObjectHandle::newDictionary();
  root.replaceKey("/Names", names);
  const NameTree tree(root);
  QPDFObjectHandle found = tree.Find("sec");
  ASSERT_TRUE(found.isDictionary());
  EXPECT_EQ(found.getObjGen(), dest.getObjGen());
}

}  // namespace
}  // namespace viewer::pdf
