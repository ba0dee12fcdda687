#include "core/fixed_math.h"

#include "core/device_coords.h"

#include <gtest/gtest.h>

#include <limits>

namespace viewer::core {
namespace {

constexpr ASFixed F(double value) { return static_cast<ASFixed>(value * 65536.0); }

TEST(ViewerFixedMath, MultipliesSixteenSixteen) {
  EXPECT_EQ(FixedMultiply(F(2), F(3)), F(6));
  EXPECT_EQ(FixedMultiply(F(0.5), F(-4)), F(-2));
  EXPECT_EQ(FixedMultiply(F(1.5), F(1.5)), F(2.25));
}

TEST(ViewerFixedMath, RoundsToNearest) {
  // 1/65536 * 1/2 is half a unit: rounds away from zero.
  EXPECT_EQ(FixedMultiply(1, F(0.5)), 1);
  EXPECT_EQ(FixedMultiply(-1, F(0.5)), -1);
  EXPECT_EQ(FixedMultiply(1, F(0.25)), 0);
}

TEST(ViewerFixedMath, Saturates) {
  EXPECT_EQ(FixedMultiply(F(30000), F(30000)), std::numeric_limits<ASFixed>::max());
  EXPECT_EQ(FixedMultiply(F(-30000), F(30000)), std::numeric_limits<ASFixed>::min());
}

TEST(ViewerFixedMath, ConvertsDoubles) {
  EXPECT_EQ(DoubleToFixed(72.0), F(72));
  EXPECT_EQ(DoubleToFixed(-0.5), F(-0.5));
  EXPECT_DOUBLE_EQ(FixedToDouble(F(612)), 612.0);
}

TEST(ViewerFixedMatrix, IdentityLeavesAMatrixAlone) {
  const ASFixedMatrix identity{fixedOne, 0, 0, fixedOne, 0, 0};
  const ASFixedMatrix m{F(2), F(0.5), F(-1), F(3), F(10), F(-20)};
  ASFixedMatrix r;
  ConcatFixedMatrix(&r, m, identity);
  EXPECT_EQ(r.a, m.a);
  EXPECT_EQ(r.b, m.b);
  EXPECT_EQ(r.c, m.c);
  EXPECT_EQ(r.d, m.d);
  EXPECT_EQ(r.h, m.h);
  EXPECT_EQ(r.v, m.v);
  ConcatFixedMatrix(&r, identity, m);
  EXPECT_EQ(r.h, m.h);
  EXPECT_EQ(r.v, m.v);
}

TEST(ViewerFixedMatrix, AppliesSecondThenFirst) {
  // Scale by 2, then move by (100, 50): the origin lands on (100, 50) and the
  // translation is not scaled.
  const ASFixedMatrix scale{F(2), 0, 0, F(2), 0, 0};
  const ASFixedMatrix move{fixedOne, 0, 0, fixedOne, F(100), F(50)};
  ASFixedMatrix r;
  ConcatFixedMatrix(&r, move, scale);
  EXPECT_EQ(r.a, F(2));
  EXPECT_EQ(r.d, F(2));
  EXPECT_EQ(r.h, F(100));
  EXPECT_EQ(r.v, F(50));
  // The other way round the translation is scaled.
  ConcatFixedMatrix(&r, scale, move);
  EXPECT_EQ(r.h, F(200));
  EXPECT_EQ(r.v, F(100));
}

TEST(ViewerFixedMatrix, MultipliesTheFullMatrix) {
  const ASFixedMatrix m1{F(1), F(2), F(3), F(4), F(5), F(6)};
  const ASFixedMatrix m2{F(0.5), F(-1), F(2), F(0.25), F(10), F(20)};
  ASFixedMatrix r;
  ConcatFixedMatrix(&r, m2, m1);  // m1 first, then m2
  EXPECT_EQ(r.a, F(1 * 0.5 + 2 * 2));
  EXPECT_EQ(r.b, F(1 * -1 + 2 * 0.25));
  EXPECT_EQ(r.c, F(3 * 0.5 + 4 * 2));
  EXPECT_EQ(r.d, F(3 * -1 + 4 * 0.25));
  EXPECT_EQ(r.h, F(5 * 0.5 + 6 * 2 + 10));
  EXPECT_EQ(r.v, F(5 * -1 + 6 * 0.25 + 20));
}

TEST(ViewerFixedMatrix, ResultMayBeAnOperand) {
  ASFixedMatrix m{F(2), 0, 0, F(2), F(1), F(1)};
  const ASFixedMatrix move{fixedOne, 0, 0, fixedOne, F(3), F(4)};
  ConcatFixedMatrix(&m, m, move);  // move, then m
  EXPECT_EQ(m.a, F(2));
  EXPECT_EQ(m.h, F(7));
  EXPECT_EQ(m.v, F(9));
}

// A text matrix made as text is placed: a translation concatenated with a rotation,
// then that with a scale, gives the size turned by the angle, standing at the point.
TEST(ViewerFixedMatrix, TranslationRotationScaleMakeATextMatrix) {
  const ASFixedMatrix move{fixedOne, 0, 0, fixedOne, F(306), F(410)};
  const ASFixedMatrix turn{0, fixedOne, -fixedOne, 0, 0, 0};  // a quarter turn
  const ASFixedMatrix size{F(16), 0, 0, F(16), 0, 0};
  ASFixedMatrix r = turn;
  ConcatFixedMatrix(&r, move, r);
  ConcatFixedMatrix(&r, r, size);
  EXPECT_EQ(r.a, 0);
  EXPECT_EQ(r.b, F(16));
  EXPECT_EQ(r.c, F(-16));
  EXPECT_EQ(r.d, 0);
  EXPECT_EQ(r.h, F(306));
  EXPECT_EQ(r.v, F(410));
}

TEST(ViewerDeviceCoords, OlderEntriesGetSixteenBitCoordinatesThatSaturate) {
  EXPECT_EQ(ToDevCoord16(1234), 1234);
  EXPECT_EQ(ToDevCoord16(-5), -5);
  EXPECT_EQ(ToDevCoord16(40000), 32767);
  EXPECT_EQ(ToDevCoord16(-40000), -32768);
  const oldAVRect rect = ToOldRect(0, 10, 70000, -70000);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 10);
  EXPECT_EQ(rect.right, 32767);
  EXPECT_EQ(rect.bottom, -32768);
}

TEST(ViewerDeviceCoords, DrawingColoursOfEachDeviceSpace) {
  PDColorValueRec colour{PDDeviceRGB, {F(1), F(0.5), F(0), 0}};
  EXPECT_EQ(DeviceColour(colour), 0x0080FFu);
  colour = {PDDeviceGray, {F(0.2), 0, 0, 0}};
  EXPECT_EQ(DeviceColour(colour), 0x333333u);
  colour = {PDDeviceCMYK, {F(1), 0, 0, F(0.5)}};  // cyan at half black
  EXPECT_EQ(DeviceColour(colour), 0x808000u);
  colour = {PDDeviceRGB, {F(2), F(-1), F(1), 0}};  // out of range: clamped
  EXPECT_EQ(DeviceColour(colour), 0xFF00FFu);
  colour = {7, {F(1), F(1), F(1), F(1)}};
  EXPECT_EQ(DeviceColour(colour), 0u);
}

}  // namespace
}  // namespace viewer::core
