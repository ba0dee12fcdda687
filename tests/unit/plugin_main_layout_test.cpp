// Where the main dialog's controls go for a window size, including sizes so small
// that widths and heights turn negative.
#include <gtest/gtest.h>

#include <set>

#include "ui/main_layout.h"
#include "ui/resource.h"

namespace {

ControlPlacement PlacementOf(int id, int W, int H) {
  for (const ControlPlacement& place : MainDialogLayout(W, H))
    if (place.id == id) return place;
  ADD_FAILURE() << "no placement for control " << id;
  return {};
}

void ExpectPlacement(int id, int W, int H, int x, int y, int width, int height) {
  const ControlPlacement place = PlacementOf(id, W, H);
  EXPECT_EQ(place.x, x) << id;
  EXPECT_EQ(place.y, y) << id;
  EXPECT_EQ(place.width, width) << id;
  EXPECT_EQ(place.height, height) << id;
}

TEST(PluginMainLayout, PlacesEveryControlForAWindowOf800By600) {
  const int W = 800, H = 600;
  ExpectPlacement(IDC_BOOKMARK_TREE, W, H, 69, 7, 720, 417);
  ExpectPlacement(IDC_AUTO_EXPAND, W, H, 71, 430, 190, 12);
  ExpectPlacement(IDC_SELECT_ALL, W, H, 71, 447, 100, 12);
  ExpectPlacement(IDC_SELECT_THUMBNAILS, W, H, 71, 464, 120, 12);
  ExpectPlacement(IDC_PRINT, W, H, 320, 520, 180, 21);
  ExpectPlacement(IDC_LEVEL_LABEL, W, H, 563, 432, 140, 12);
  ExpectPlacement(IDC_SELECT_LEVEL, W, H, 677, 430, 50, 20);
  ExpectPlacement(IDC_SELECT_LEVEL_BUTTON, W, H, 731, 428, 57, 22);
  ExpectPlacement(IDC_SELECT_TEXT, W, H, 508, 455, 220, 21);
  ExpectPlacement(IDC_TEXT_LABEL, W, H, 415, 457, 90, 21);
  ExpectPlacement(IDC_FIND_TEXT, W, H, 731, 455, 57, 22);
  ExpectPlacement(IDC_CLOSE, W, H, 731, 515, 57, 22);
  ExpectPlacement(IDC_PAGE_SIZE_LIST, W, H, 508, 485, 220, 22);
  ExpectPlacement(IDC_FIND_PAGE_SIZE, W, H, 731, 485, 57, 22);
  ExpectPlacement(IDC_PAGE_SIZE_LABEL, W, H, 383, 487, 120, 21);
  ExpectPlacement(IDC_SILENT_PRINT, W, H, 623, 509, 85, 22);
  ExpectPlacement(IDC_PRINT_INDEX, W, H, 623, 526, 85, 22);
}

TEST(PluginMainLayout, SmallWindowGivesNegativeSizesAsTheyAre) {
  ExpectPlacement(IDC_BOOKMARK_TREE, 60, 100, 69, 7, -20, -83);
  ExpectPlacement(IDC_PRINT, 60, 100, -50, 20, 180, 21);
  ExpectPlacement(IDC_PAGE_SIZE_LABEL, 60, 100, -357, -13, 120, 21);
}

TEST(PluginMainLayout, OddWidthHalvesDownwards) {
  EXPECT_EQ(PlacementOf(IDC_PRINT, 801, 600).x, 320);
}

TEST(PluginMainLayout, MovesSeventeenDifferentControlsButNotThePictureOrTheStatusLine) {
  std::set<int> ids;
  for (const ControlPlacement& place : MainDialogLayout(500, 400)) ids.insert(place.id);
  EXPECT_EQ(ids.size(), 17u);
  EXPECT_EQ(ids.count(IDC_PAGE_COUNT), 0u);
  EXPECT_EQ(ids.count(IDC_STATIC), 0u);
}

}  // namespace
