// Finding a tree item's bookmark from its label, and the bookmark whose action a
// label's title part stands for.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/bookmark_label.h"
#include "model/bookmark_lookup.h"
#include "model/bookmark_ranges.h"

namespace {

std::unique_ptr<BookmarkModel> SampleModel() {
  auto model = std::make_unique<BookmarkModel>();
  model->pageCount = 12;
  AppendBookmarkEntry(*model, 1, 1, 0, "Intro", PDAction{});
  AppendBookmarkEntry(*model, 1, 5, 0, "Chapter", PDAction{});
  AppendBookmarkEntry(*model, 2, 5, 0, "Part", PDAction{});
  AppendBookmarkEntry(*model, 2, 7, 0, "Part", PDAction{});
  AppendBookmarkEntry(*model, 1, 9, 0, "Appendix", PDAction{});
  AssignBookmarkRanges(*model);
  return model;
}

std::string LabelOf(const BookmarkModel& model, int i) {
  return BookmarkLabel(model.titles[i], model.entries[i].firstPage, model.entries[i].lastPage);
}

TEST(PluginBookmarkLookup, FindsTheEntryOfEveryLabel) {
  auto model = SampleModel();
  for (int i = 0; i < model->entryCount; ++i)
    EXPECT_EQ(FindEntryOfLabel(*model, LabelOf(*model, i).c_str()), i) << LabelOf(*model, i);
}

TEST(PluginBookmarkLookup, LabelWithOtherPagesFindsNothing) {
  auto model = SampleModel();
  EXPECT_EQ(FindEntryOfLabel(*model, "Intro     (Pages: 1-5)"), -1);
  EXPECT_EQ(FindEntryOfLabel(*model, "Intro     (Page: 1)"), -1);
  EXPECT_EQ(FindEntryOfLabel(*model, "Intro"), -1);
}

TEST(PluginBookmarkLookup, TickedEntriesAreSkippedSoTwinsAreFoundInOrder) {
  auto model = std::make_unique<BookmarkModel>();
  model->pageCount = 10;
  AppendBookmarkEntry(*model, 1, 3, 0, "Same", PDAction{});
  AppendBookmarkEntry(*model, 2, 3, 0, "Same", PDAction{});
  model->entries[0].lastPage = model->entries[1].lastPage = 4;
  const std::string label = "Same     (Pages: 3-4)";
  EXPECT_EQ(FindEntryOfLabel(*model, label.c_str()), 0);
  model->entries[0].ticked = 1;
  EXPECT_EQ(FindEntryOfLabel(*model, label.c_str()), 1);
  model->entries[1].ticked = 1;
  EXPECT_EQ(FindEntryOfLabel(*model, label.c_str()), -1);
}

TEST(PluginBookmarkLookup, FindsTheEntryOfACutLabel) {
  auto model = std::make_unique<BookmarkModel>();
  model->pageCount = 400;
  const std::string longTitle(6000, 'L');
  AppendBookmarkEntry(*model, 1, 1, 0, "Short", PDAction{});
  AppendBookmarkEntry(*model, 1, 300, 0, longTitle, PDAction{});
  AssignBookmarkRanges(*model);
  char label[kLabelBufferSize];
  FormatBookmarkLabel(longTitle, 300, 400, label);
  EXPECT_EQ(FindEntryOfLabel(*model, label), 1);
  EXPECT_EQ(FindEntryByTitlePart(*model, LabelTitlePart(label)), 1);
}

TEST(PluginBookmarkLookup, TitlePartFindsTheFirstEntryWithThatTitle) {
  auto model = SampleModel();
  EXPECT_EQ(FindEntryByTitlePart(*model, "Part"), 2);
  EXPECT_EQ(FindEntryByTitlePart(*model, "Appendix"), 4);
  EXPECT_EQ(FindEntryByTitlePart(*model, LabelTitlePart(LabelOf(*model, 1))), 1);
}

TEST(PluginBookmarkLookup, TitlePartMustMatchTheWholeTitle) {
  auto model = SampleModel();
  EXPECT_EQ(FindEntryByTitlePart(*model, "Chap"), -1);
  EXPECT_EQ(FindEntryByTitlePart(*model, "intro"), -1);
  EXPECT_EQ(FindEntryByTitlePart(*model, "Intro "), -1);
}

TEST(PluginBookmarkLookup, EmptyModelFindsNothing) {
  auto model = std::make_unique<BookmarkModel>();
  EXPECT_EQ(FindEntryOfLabel(*model, "Intro     (Page: 1)"), -1);
  EXPECT_EQ(FindEntryByTitlePart(*model, ""), -1);
}

}  // namespace
