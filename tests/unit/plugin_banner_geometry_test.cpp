// Where banner lines stand and how their text matrix and colour are made.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "banner/banner_geometry.h"

namespace {

const PageRect kLetter{0, 792, 612, 0};

// The y of line i of L on a Letter page with the settings' font size 16 and line
// spacing 12, centred: base 396, step 28.
int32_t CentredY(int32_t i, int32_t count, const BannerSettings& s = {}) {
  return PlaceBannerLine(s, kLetter, kLetter, "Title", i, count).y;
}

TEST(PluginBannerGeometry, RowLabels) {
  EXPECT_EQ(BannerRowTitle("Chapter 2     (Pages: 5-8)"), "Chapter 2");
  EXPECT_EQ(BannerRowTitle("Notes (draft)     (Page: 12)"), "Notes (draft)");
  EXPECT_EQ(BannerRowTitle("          (Page: 3)"), "");
  EXPECT_EQ(BannerRowPage("Chapter 2     (Pages: 5-8)"), 5);
  EXPECT_EQ(BannerRowPage("Stage 1: Setup     (Page: 12)"), 12);
  EXPECT_EQ(BannerRowPage("no page"), 0);
}

TEST(PluginBannerGeometry, FullPathLinesStepDownFromAboveTheCentre) {
  // One top-level line stands half a step above the centre; the current level only
  // puts it one step lower.
  EXPECT_EQ(CentredY(1, 1), 396 + 14);
  EXPECT_EQ(CentredY(2, 1), 396 - 14);
  // Three levels: 42 above the centre, then one step down each.
  EXPECT_EQ(CentredY(1, 3), 396 + 42);
  EXPECT_EQ(CentredY(2, 3), 396 + 14);
  EXPECT_EQ(CentredY(3, 3), 396 - 14);
  EXPECT_EQ(PlaceBannerLine({}, kLetter, kLetter, "Title", 1, 3).x, 306);
}

TEST(PluginBannerGeometry, GivenPositions) {
  BannerSettings s;
  s.horizontal = 72;
  s.vertical = 700;
  const BannerLinePlace first = PlaceBannerLine(s, kLetter, kLetter, "A", 1, 2);
  EXPECT_EQ(first.x, 72);
  EXPECT_EQ(first.y, 700 + 28);
  EXPECT_EQ(PlaceBannerLine(s, kLetter, kLetter, "B", 2, 2).y, 700);
}

// Settings files and the dialog may hold any 32-bit number: the placement saturates
// instead of wrapping, and fixed point saturates at its ends (the sanitizers' build
// runs these too).
TEST(PluginBannerGeometry, HugeSettingsSaturateInsteadOfOverflowing) {
  BannerSettings s;
  s.fontSize = INT32_MAX;
  s.lineSpacing = INT32_MAX;
  s.vertical = INT32_MAX - 10;
  const BannerLinePlace place = PlaceBannerLine(s, kLetter, kLetter, "A", 1, 30);
  EXPECT_EQ(place.y, INT32_MAX);
  s.vertical = -1;
  EXPECT_EQ(PlaceBannerLine(s, kLetter, kLetter, "A", 30, 30).y, INT32_MIN);
  EXPECT_EQ(ToFixed(40000), INT32_MAX);
  EXPECT_EQ(ToFixed(-40000), INT32_MIN);
  EXPECT_EQ(ToFixed(1e300), INT32_MAX);
  EXPECT_EQ(ToFixed(std::nan("")), 0);
  EXPECT_EQ(ToFixed(32767.5), 0x7FFF8000);
  EXPECT_EQ(ToFixed(-1.0), -65535);  // plus 0.5, truncated, as ever
}

TEST(PluginBannerGeometry, TurnedTextSpreadsAlongX) {
  BannerSettings s;
  s.degreesAngle = 270;
  s.horizontal = 100;
  s.vertical = 200;
  EXPECT_EQ(PlaceBannerLine(s, kLetter, kLetter, "A", 1, 3).x, 100 + 42);
  EXPECT_EQ(PlaceBannerLine(s, kLetter, kLetter, "C", 3, 3).x, 100 - 14);
  EXPECT_EQ(PlaceBannerLine(s, kLetter, kLetter, "C", 3, 3).y, 200);
  EXPECT_EQ(PlaceBannerLine(s, kLetter, kLetter, "C", 3, 3).angle, 270);
  // Centred across, every line stands at the same x, and the height is the centre's.
  s.horizontal = -1;
  s.vertical = -1;
  EXPECT_EQ(PlaceBannerLine(s, kLetter, kLetter, "A", 1, 3).x, 306);
  EXPECT_EQ(PlaceBannerLine(s, kLetter, kLetter, "C", 3, 3).x, 306);
  EXPECT_EQ(PlaceBannerLine(s, kLetter, kLetter, "C", 3, 3).y, 396);
}

TEST(PluginBannerGeometry, CropBoxesOffsetFromTheMediaBoxMoveTheText) {
  const PageRect media{0, 842, 595, 0};
  const PageRect crop{30, 800, 530, 40};
  const BannerLinePlace place = PlaceBannerLine({}, crop, media, "Title", 1, 1);
  EXPECT_EQ(place.x, 250 + 30);
  EXPECT_EQ(place.y, 380 + 14 + 40);
}

TEST(PluginBannerGeometry, MarkersStandLeftOfThePage) {
  BannerSettings s;
  s.degreesAngle = 90;
  const BannerLinePlace page = PlaceBannerLine(s, kLetter, kLetter, "[BANNERPAGE]", 0, 0);
  EXPECT_EQ(page.x, -400);
  EXPECT_EQ(page.y, 0);
  EXPECT_EQ(page.angle, 0);
  const BannerLinePlace level = PlaceBannerLine(s, kLetter, kLetter, BannerLevelMarker(3), 0, 0);
  EXPECT_EQ(BannerLevelMarker(3), "[BANNERLEVEL3]");
  EXPECT_EQ(level.x, -400);
  EXPECT_EQ(level.y, 50);
  const BannerFill white = BannerFillColour(255, "[BANNERLEVEL12]");
  EXPECT_EQ(white.red, 65536);
  EXPECT_EQ(white.blue, 65536);
}

TEST(PluginBannerGeometry, MatrixParts) {
  const ASFixedMatrix t = BannerTranslation({306, -14, 0});
  EXPECT_EQ(t.a, 65536);
  EXPECT_EQ(t.h, 306 * 65536);
  // Negative values are rounded as the host's conversion does: plus 0.5, truncated.
  EXPECT_EQ(t.v, -14 * 65536 + 1);
  const ASFixedMatrix r = BannerRotation(90);
  const double theta = 90 * 0.017444444444444446;  // 3.14 / 180, a little short of 90
  EXPECT_EQ(r.a, static_cast<ASFixed>(std::cos(theta) * 65536 + 0.5));
  EXPECT_EQ(r.b, static_cast<ASFixed>(std::sin(theta) * 65536 + 0.5));
  EXPECT_EQ(r.c, static_cast<ASFixed>(-std::sin(theta) * 65536 + 0.5));
  EXPECT_GT(r.a, 0);
  // The angle is a signed 16-bit number.
  EXPECT_EQ(BannerRotation(65536 + 90).b, r.b);
  EXPECT_EQ(BannerScale(16).d, 16 * 65536);
}

TEST(PluginBannerGeometry, AlignmentShiftsByTheRunsBox) {
  const ASFixedMatrix m{16 << 16, 0, 0, 16 << 16, 306 << 16, 410 << 16};
  const ASFixedRect box{306 << 16, 420 << 16, 406 << 16, 405 << 16};
  EXPECT_EQ(RightAligned(m, box).h, 206 << 16);
  EXPECT_EQ(CentreAligned(m, box, 0).h, 256 << 16);
  EXPECT_EQ(CentreAligned(m, box, 0).v, m.v);
  // Turned text is centred along y instead.
  EXPECT_EQ(CentreAligned(m, box, 270).v, ToFixed(410 + 7.5));
  EXPECT_EQ(CentreAligned(m, box, 270).h, m.h);
}

TEST(PluginBannerGeometry, TextBytesAndColour) {
  EXPECT_EQ(BannerTextBytes("Chapter 1   "), "Chapter 1");
  EXPECT_EQ(BannerTextBytes("   "), " ");
  EXPECT_EQ(BannerTextBytes(""), "");
  const BannerFill blue = BannerFillColour(16711680, "Title");
  EXPECT_EQ(blue.red, 0);
  EXPECT_EQ(blue.green, 0);
  EXPECT_EQ(blue.blue, 65536);
  EXPECT_EQ(BannerFillColour(0x000080, "Title").red, ToFixed(128 * 0.00392156862745098));
}

}  // namespace
