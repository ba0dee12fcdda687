// A text run's advance and box through its text matrix.
#include <gtest/gtest.h>

#include <cmath>

#include "pdf/text_bbox.h"

namespace viewer::pdf {
namespace {

// A font whose every code is half an em wide, ascent 0.8 em, descent 0.2 em.
fonts::FontFace HalfEmFont() {
  fonts::FontFace face;
  face.widths.fill(500);
  face.missingWidth = 250;
  face.ascent = 800;
  face.descent = -200;
  return face;
}

TEST(ViewerTextBox, AdvanceFromTheWidths) {
  const fonts::FontFace face = HalfEmFont();
  EXPECT_DOUBLE_EQ(TextAdvance(face, "abcd"), 2.0);
  EXPECT_DOUBLE_EQ(TextAdvance(face, std::string("\x01") + "a"), 0.75);  // below the first code
  EXPECT_DOUBLE_EQ(TextAdvance(face, ""), 0.0);
}

TEST(ViewerTextBox, UnturnedText) {
  const Box box = TextRunBox(HalfEmFont(), "abcd", TextMatrix{10, 0, 0, 10, 100, 200});
  EXPECT_DOUBLE_EQ(box.left, 100);
  EXPECT_DOUBLE_EQ(box.right, 120);
  EXPECT_DOUBLE_EQ(box.bottom, 198);
  EXPECT_DOUBLE_EQ(box.top, 208);
}

TEST(ViewerTextBox, TextTurnedAQuarter) {
  // Rotated 90 degrees counter-clockwise: the text runs up from (100, 200), its
  // ascent to the left, its descent to the right.
  const Box box = TextRunBox(HalfEmFont(), "abcd", TextMatrix{0, 10, -10, 0, 100, 200});
  EXPECT_DOUBLE_EQ(box.left, 92);
  EXPECT_DOUBLE_EQ(box.right, 102);
  EXPECT_DOUBLE_EQ(box.bottom, 200);
  EXPECT_DOUBLE_EQ(box.top, 220);
}

TEST(ViewerTextBox, TextAtAnAngleGetsTheBoxOfAllFourCorners) {
  const double c = 10 * std::cos(M_PI / 4), s = 10 * std::sin(M_PI / 4);
  const Box box = TextRunBox(HalfEmFont(), "abcd", TextMatrix{c, s, -s, c, 0, 0});
  // Corners: (0,-2)->(1.41,-1.41), (20,-2)->(15.56,12.73), (0,8)->(-5.66,5.66),
  // (20,8)->(8.49,19.80).
  EXPECT_NEAR(box.left, -5.657, 1e-3);
  EXPECT_NEAR(box.right, 15.556, 1e-3);
  EXPECT_NEAR(box.bottom, -1.414, 1e-3);
  EXPECT_NEAR(box.top, 19.799, 1e-3);
}

}  // namespace
}  // namespace viewer::pdf
