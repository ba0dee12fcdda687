// Tree labels of bookmarks: formatting, parsing, the title part, and titles too long
// for the label buffer.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "model/bookmark_label.h"

namespace {

TEST(PluginBookmarkLabel, OnePageBookmarkUsesTheSinglePageForm) {
  EXPECT_EQ(BookmarkLabel("Introduction", 3, 3), "Introduction     (Page: 3)");
}

TEST(PluginBookmarkLabel, RangeUsesThePagesForm) {
  EXPECT_EQ(BookmarkLabel("Chapter 1", 1, 4), "Chapter 1     (Pages: 1-4)");
}

TEST(PluginBookmarkLabel, EmptyTitleKeepsTheFiveBlanks) {
  EXPECT_EQ(BookmarkLabel("", 1, 1), "     (Page: 1)");
}

TEST(PluginBookmarkLabel, FormatWritesAZeroTerminatedLabelAndAnswersItsLength) {
  char label[kLabelBufferSize];
  std::memset(label, 'x', sizeof label);
  const size_t length = FormatBookmarkLabel("Appendix", 9, 12, label);
  EXPECT_EQ(length, std::strlen(label));
  EXPECT_STREQ(label, "Appendix     (Pages: 9-12)");
}

TEST(PluginBookmarkLabel, ParsesARange) {
  const LabelPages pages = ParseBookmarkLabel("Chapter 1     (Pages: 5-8)");
  EXPECT_EQ(pages.first, 5);
  EXPECT_EQ(pages.last, 8);
}

TEST(PluginBookmarkLabel, ParsesASinglePageAsFirstAndLast) {
  const LabelPages pages = ParseBookmarkLabel("Index     (Page: 12)");
  EXPECT_EQ(pages.first, 12);
  EXPECT_EQ(pages.last, 12);
}

TEST(PluginBookmarkLabel, LabelWithoutPagesParsesAsZero) {
  const LabelPages pages = ParseBookmarkLabel("Just a title");
  EXPECT_EQ(pages.first, 0);
  EXPECT_EQ(pages.last, 0);
}

TEST(PluginBookmarkLabel, PagesFormWinsOverAnEarlierSinglePageText) {
  // "(Pages: " is looked for first, wherever it stands.
  const LabelPages pages = ParseBookmarkLabel("See (Page: 3)     (Pages: 10-20)");
  EXPECT_EQ(pages.first, 10);
  EXPECT_EQ(pages.last, 20);
}

TEST(PluginBookmarkLabel, FirstOccurrenceOfTheRangeIsRead) {
  const LabelPages pages = ParseBookmarkLabel("A (Pages: 1-2)     (Pages: 3-4)");
  EXPECT_EQ(pages.first, 1);
  EXPECT_EQ(pages.last, 2);
}

TEST(PluginBookmarkLabel, UnreadableLastPageStaysZero) {
  const LabelPages pages = ParseBookmarkLabel("Broken     (Pages: 7)");
  EXPECT_EQ(pages.first, 7);
  EXPECT_EQ(pages.last, 0);
}

TEST(PluginBookmarkLabel, RoundTripsEveryFormattedLabel) {
  for (int first : {1, 7, 99999}) {
    for (int last : {first, first + 1, first + 250}) {
      const std::string label = BookmarkLabel("Some title", first, last);
      const LabelPages pages = ParseBookmarkLabel(label.c_str());
      EXPECT_EQ(pages.first, first) << label;
      EXPECT_EQ(pages.last, last) << label;
      EXPECT_EQ(LabelTitlePart(label), "Some title") << label;
    }
  }
}

TEST(PluginBookmarkLabel, TitlePartIsEverythingBeforeTheFiveBlanks) {
  EXPECT_EQ(LabelTitlePart("Chapter 1     (Pages: 1-4)"), "Chapter 1");
  EXPECT_EQ(LabelTitlePart("     (Page: 1)"), "");
}

TEST(PluginBookmarkLabel, TitlePartStopsAtTheFirstPageMention) {
  // A title that itself mentions "(Page" is cut there, five characters early.
  EXPECT_EQ(LabelTitlePart("Notes for this (Page 2) text     (Page: 4)"), "Notes for ");
}

TEST(PluginBookmarkLabel, TitlePartOfAShortPrefixIsEmpty) {
  EXPECT_EQ(LabelTitlePart("ab(Page: 1)"), "");
}

TEST(PluginBookmarkLabel, TitlePartOfALabelWithoutPagesIsTheWholeLabel) {
  EXPECT_EQ(LabelTitlePart("No pages here"), "No pages here");
}

TEST(PluginBookmarkLabel, IsLabelOfMatchesExactlyTheFormattedLabel) {
  EXPECT_TRUE(IsLabelOf("Intro     (Pages: 1-4)", "Intro", 1, 4));
  EXPECT_FALSE(IsLabelOf("Intro     (Pages: 1-4)", "Intro", 1, 5));
  EXPECT_FALSE(IsLabelOf("Intro     (Pages: 1-4)", "Intr", 1, 4));
  EXPECT_FALSE(IsLabelOf("Intro    (Pages: 1-4)", "Intro", 1, 4));
  EXPECT_TRUE(IsLabelOf("Intro     (Page: 4)", "Intro", 4, 4));
  EXPECT_FALSE(IsLabelOf("Intro     (Pages: 4-4)", "Intro", 4, 4));
}

TEST(PluginBookmarkLabel, LargestPageNumbersFit) {
  EXPECT_EQ(BookmarkLabel("T", INT_MIN, INT_MAX),
            "T     (Pages: -2147483648-2147483647)");
}

// Titles near the buffer's size: the title is cut, the page part stays whole.
class PluginBookmarkLongLabel : public ::testing::Test {
 protected:
  static constexpr size_t kPagePartLength = std::string_view("     (Pages: 100-200)").size();
  static constexpr size_t kRoom = kLabelBufferSize - 1 - kPagePartLength;
};

TEST_F(PluginBookmarkLongLabel, TitleThatFitsIsKeptWhole) {
  const std::string title(kRoom, 'a');
  const std::string label = BookmarkLabel(title, 100, 200);
  EXPECT_EQ(label.size(), static_cast<size_t>(kLabelBufferSize - 1));
  EXPECT_EQ(LabelTitlePart(label), title);
  EXPECT_EQ(LabelTitleLength(title.size(), 100, 200), title.size());
}

TEST_F(PluginBookmarkLongLabel, TitleOfNearlyTheBufferSizeIsCutToFitThePagePart) {
  const std::string title(4095, 'b');
  char label[kLabelBufferSize + 16];
  std::memset(label, '#', sizeof label);
  const size_t length = FormatBookmarkLabel(title, 100, 200, label);
  EXPECT_EQ(length, static_cast<size_t>(kLabelBufferSize - 1));
  EXPECT_EQ(label[kLabelBufferSize - 1], '\0');
  EXPECT_EQ(label[kLabelBufferSize], '#');  // nothing written past the buffer
  const std::string text(label);
  EXPECT_EQ(text.substr(text.size() - kPagePartLength), "     (Pages: 100-200)");
  const LabelPages pages = ParseBookmarkLabel(label);
  EXPECT_EQ(pages.first, 100);
  EXPECT_EQ(pages.last, 200);
  EXPECT_EQ(LabelTitlePart(text), std::string(kRoom, 'b'));
  EXPECT_EQ(LabelTitleLength(title.size(), 100, 200), kRoom);
}

TEST_F(PluginBookmarkLongLabel, HugeTitleIsCutTheSameWay) {
  const std::string title(100000, 'c');
  const std::string label = BookmarkLabel(title, 100, 200);
  EXPECT_EQ(label.size(), static_cast<size_t>(kLabelBufferSize - 1));
  EXPECT_TRUE(IsLabelOf(label, title, 100, 200));
}

TEST_F(PluginBookmarkLongLabel, CutLabelIsRecognisedFromTheFullTitle) {
  const std::string title = std::string(5000, 'd') + "tail";
  const std::string label = BookmarkLabel(title, 3, 3);
  EXPECT_TRUE(IsLabelOf(label, title, 3, 3));
  EXPECT_FALSE(IsLabelOf(label, std::string(5000, 'e'), 3, 3));
}

}  // namespace
