// The main dialog's status line.
#include <gtest/gtest.h>

#include "ui/page_count_text.h"

namespace {

TEST(PluginPageCountText, ShowsTickedPagesOfAllPages) {
  EXPECT_EQ(PageCountText(12, 240), "Pg 12/240");
}

TEST(PluginPageCountText, RightAfterOpeningNothingIsTicked) {
  EXPECT_EQ(PageCountText(0, 341), "Pg 0/341");
}

TEST(PluginPageCountText, DocumentWithoutPagesOrModel) { EXPECT_EQ(PageCountText(0, 0), "Pg 0/0"); }

}  // namespace
