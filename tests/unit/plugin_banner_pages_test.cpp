// The titles an add command keeps of the rows above the one it walks.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "banner/banner_pages.h"

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

}  // namespace
