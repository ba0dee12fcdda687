#include <gtest/gtest.h>

#include "script/measure_expression.h"

namespace viewer::script {
namespace {

TEST(ScriptMeasure, NumbersStandForThemselves) {
  EXPECT_EQ(EvaluateMeasure("69", 800, 600), 69);
  EXPECT_EQ(EvaluateMeasure("0", 800, 600), 0);
  EXPECT_EQ(EvaluateMeasure("-12", 800, 600), -12);
}

TEST(ScriptMeasure, WidthAndHeightOfTheWindow) {
  EXPECT_EQ(EvaluateMeasure("W", 800, 600), 800);
  EXPECT_EQ(EvaluateMeasure("H", 800, 600), 600);
  EXPECT_EQ(EvaluateMeasure("W-80", 800, 600), 720);
  EXPECT_EQ(EvaluateMeasure("H-183", 300, 150), -33);
  EXPECT_EQ(EvaluateMeasure("W-417", 300, 150), -117);
  EXPECT_EQ(EvaluateMeasure("-W+10", 300, 150), -290);
}

TEST(ScriptMeasure, ProductsBindBeforeSums) {
  EXPECT_EQ(EvaluateMeasure("W/2-80", 801, 600), 320);
  EXPECT_EQ(EvaluateMeasure("10+H*2", 0, 7), 24);
  EXPECT_EQ(EvaluateMeasure("W/2/2", 10, 0), 2);
  // As the layout code divides: towards zero.
  EXPECT_EQ(EvaluateMeasure("-W/2", 7, 0), -3);
}

TEST(ScriptMeasure, BadFormsAreRefused) {
  for (const char* bad : {"", "-", "W-", "W--1", "2W", "w", "W - 80", "(W)", "W/0", "1234567",
                          "+5", "W80", "x"}) {
    EXPECT_FALSE(IsMeasure(bad)) << bad;
    EXPECT_EQ(EvaluateMeasure(bad, 100, 100), std::nullopt) << bad;
  }
  EXPECT_TRUE(IsMeasure("W/2-80"));
  EXPECT_TRUE(IsMeasure("*"));
  EXPECT_TRUE(IsAnyMeasure("*"));
  EXPECT_FALSE(IsAnyMeasure("W"));
  EXPECT_FALSE(IsMeasure("**"));
  EXPECT_TRUE(IsMeasure("123456"));
}

}  // namespace
}  // namespace viewer::script
