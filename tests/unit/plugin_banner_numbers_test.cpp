// Banner pages found by their marker words, and the file that lists them by level.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "banner/banner_numbers.h"

namespace {

std::unique_ptr<BannerRecords> Found(std::initializer_list<BannerRecord> records) {
  auto found = std::make_unique<BannerRecords>();
  for (const BannerRecord& record : records) AddBannerRecord(*found, record.page, record.level);
  return found;
}

TEST(PluginBannerNumbers, MarkerWordsAsTheWordFinderReportsThem) {
  EXPECT_TRUE(IsBannerPageWord("BANNERPAGE]"));
  for (const char* other : {"[BANNERPAGE]", "BANNERPAGE", "bannerpage]", "BANNERPAGE]]", ""})
    EXPECT_FALSE(IsBannerPageWord(other)) << other;

  int32_t level = 7;
  ReadBannerLevelWord("BANNERLEVEL3]", level);
  EXPECT_EQ(level, 3);
  ReadBannerLevelWord("BANNERLEVEL12]", level);
  EXPECT_EQ(level, 12);
  // Other words leave the level; a marker without digits sets it to 0.
  for (const char* other : {"[BANNERLEVEL5]", "BANNERLEVE", "bannerlevel4]", "Chapter"}) {
    ReadBannerLevelWord(other, level);
    EXPECT_EQ(level, 12) << other;
  }
  ReadBannerLevelWord("BANNERLEVEL]", level);
  EXPECT_EQ(level, 0);
  ReadBannerLevelWord("BANNERLEVEL99999999999]", level);
  EXPECT_GT(level, 0);
}

TEST(PluginBannerNumbers, TheFileByLevel) {
  // Banner pages 1 and 6 at level 1 and page 2 at level 2.
  EXPECT_EQ(BannerNumbersFileText(*Found({{1, 1}, {2, 2}, {6, 1}})),
            "Level 1 Banners\r\n1,6\r\n\r\nLevel 2 Banners\r\n2\r\n\r\n");
  // Only level 2: level 1 has its heading and nothing else.
  EXPECT_EQ(BannerNumbersFileText(*Found({{4, 2}, {9, 2}})),
            "Level 1 Banners\r\n\r\n\r\nLevel 2 Banners\r\n4,9\r\n\r\n");
  // A level between without banners.
  EXPECT_EQ(BannerNumbersFileText(*Found({{3, 1}, {5, 3}})),
            "Level 1 Banners\r\n3\r\n\r\nLevel 2 Banners\r\n\r\n\r\nLevel 3 Banners\r\n5\r\n\r\n");
  EXPECT_EQ(BannerNumbersFileText(*Found({})), "");
}

TEST(PluginBannerNumbers, RecordsKeepOnlyLevelsABannerCanHave) {
  auto found = Found({{1, 0}, {2, -3}, {3, kDeepestBannerLevel + 1}, {4, 2}});
  ASSERT_EQ(found->count, 1);
  EXPECT_EQ(found->records[0].page, 4);
  // A full list says so and keeps what it has.
  auto full = std::make_unique<BannerRecords>();
  for (int32_t page = 1; page <= kBannerRecordCapacity; ++page)
    ASSERT_TRUE(AddBannerRecord(*full, page, 1));
  EXPECT_FALSE(AddBannerRecord(*full, kBannerRecordCapacity + 1, 1));
  EXPECT_EQ(full->count, kBannerRecordCapacity);
  EXPECT_TRUE(BannerNumbersFileText(*full).ends_with(std::to_string(kBannerRecordCapacity) +
                                                     "\r\n\r\n"));
}

}  // namespace
