// The titles an add command keeps of the rows above the one it walks.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "banner/banner_pages.h"
#include "banner/banner_run_report.h"

namespace {

TEST(PluginBannerPages, EachLevelKeepsItsLastTitleAndDeepRowsShareTheLastSlot) {
  auto pages = std::make_unique<BannerPages>();
  for (int level = 1; level <= 35; ++level) {
    StoreLevelTitle(*pages, level, "Level " + std::to_string(level));
  }
  EXPECT_STREQ(pages->levelTitles[1], "Level 1");
  EXPECT_STREQ(pages->levelTitles[28], "Level 28");
  // Rows 29 to 35 deep went to slot 29, the deepest last, and nothing past the table.
  EXPECT_STREQ(pages->levelTitles[29], "Level 35");
  EXPECT_EQ(LevelTitleSlot(29), 29);
  EXPECT_EQ(LevelTitleSlot(50), 29);
  EXPECT_EQ(LevelTitleSlot(0), 1);
  StoreLevelTitle(*pages, 2, "Again");
  EXPECT_STREQ(pages->levelTitles[2], "Again");
  EXPECT_STREQ(pages->levelTitles[1], "Level 1");
}

TEST(PluginBannerPages, LongTitlesAreCutAndLeaveNoTailBehind) {
  auto pages = std::make_unique<BannerPages>();
  StoreLevelTitle(*pages, 3, std::string(400, 'x'));
  EXPECT_EQ(std::string(pages->levelTitles[3]), std::string(254, 'x'));
  StoreLevelTitle(*pages, 3, "Short");
  EXPECT_STREQ(pages->levelTitles[3], "Short");
  StoreLevelTitle(*pages, 3, "");
  EXPECT_STREQ(pages->levelTitles[3], "");
  // The neighbouring slots are untouched by a cut title.
  EXPECT_STREQ(pages->levelTitles[4], "");
}

// A document as a list of what each page is: its page number at the start, or a banner
// (the negative of the page its bookmark began on, and which row put it in).
struct Simulated {
  std::vector<std::string> pages;
  explicit Simulated(int count) {
    for (int p = 1; p <= count; ++p) pages.push_back(std::to_string(p));
  }
};

// Runs an add command over rows starting on these pages, in this order.
Simulated AddBanners(BannerPages& banners, const std::vector<int32_t>& rowPages, int count) {
  Simulated doc(count);
  banners.lastAddedCount = 0;
  int row = 0;
  for (const int32_t page : rowPages) {
    const PDPageNumber index = BannerIndexInRun(banners, page);
    doc.pages.insert(doc.pages.begin() + index, "B" + std::to_string(page) + "#" + std::to_string(row++));
    RecordBannerInRun(banners, index, page);
  }
  return doc;
}

TEST(PluginBannerPages, BannersGoInFrontOfTheirPagesWhateverTheRowOrder) {
  auto banners = std::make_unique<BannerPages>();
  // The outline's rows: Late (9), Early (2), Middle (5) with Back (3) and Forward (7).
  Simulated doc = AddBanners(*banners, {9, 2, 5, 3, 7}, 12);
  EXPECT_EQ(doc.pages, (std::vector<std::string>{"1", "B2#1", "2", "B3#3", "3", "4", "B5#2", "5",
                                                 "6", "B7#4", "7", "8", "B9#0", "9", "10", "11",
                                                 "12"}));
  // What was recorded names exactly the banners, as they stand now.
  std::vector<int32_t> recorded = RecordedBannersLastFirst(*banners);
  EXPECT_EQ(recorded, (std::vector<int32_t>{13, 10, 7, 4, 2}));
  for (const int32_t page : recorded) {
    EXPECT_EQ(doc.pages[static_cast<size_t>(page - 1)][0], 'B') << page;
    doc.pages.erase(doc.pages.begin() + (page - 1));
  }
  EXPECT_EQ(doc.pages, Simulated(12).pages);
}

TEST(PluginBannerPages, RowsOnOnePageKeepTheirOrderInFrontOfIt) {
  auto banners = std::make_unique<BannerPages>();
  // A parent after its children, and two rows on page 4.
  const Simulated doc = AddBanners(*banners, {4, 6, 4, 1}, 6);
  EXPECT_EQ(doc.pages, (std::vector<std::string>{"B1#3", "1", "2", "3", "B4#0", "B4#2", "4", "5",
                                                 "B6#1", "6"}));
  EXPECT_EQ(RecordedBannersLastFirst(*banners), (std::vector<int32_t>{9, 6, 5, 1}));
}

// A run that stops early says what stopped it and how many pages went in; a scan that
// could not read the pages never says a file was saved.
TEST(PluginBannerPages, EarlyStopsSayWhyAndHowFarTheyGot) {
  EXPECT_EQ(BannerWalkStopMessage(BannerWalkStop::None, 3), "");
  EXPECT_EQ(BannerWalkStopMessage(BannerWalkStop::TemplateBox, 1),
            "Adding banner pages stopped after 1 banner page: the size of the page shown "
            "could not be read.");
  EXPECT_EQ(BannerWalkStopMessage(BannerWalkStop::Limit, 16384),
            "Adding banner pages stopped after 16384 banner pages: one run adds at most 16384.");
  EXPECT_NE(BannerWalkStopMessage(BannerWalkStop::PageCount, 0).find("after 0 banner pages: "),
            std::string::npos);

  EXPECT_EQ(BannerNumbersSavedMessage({}), ".csv file saved");
  EXPECT_EQ(BannerNumbersSavedMessage({BannerScanEnd::Kind::NotRead, 0}),
            "Can't read the banner pages of this document: no file was saved.");
  EXPECT_EQ(BannerNumbersSavedMessage({BannerScanEnd::Kind::RecordLimit, 20001}),
            ".csv file saved\n\nThe scan stopped at 16384 banner pages, its limit: page 20001 "
            "and the pages after it are not in the file.");
}

}  // namespace
