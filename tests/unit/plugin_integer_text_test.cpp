// Integers typed into edit controls.
#include <gtest/gtest.h>

#include "framework/integer_text.h"

namespace {

int Parsed(const char* text) {
  int value = -777;
  EXPECT_TRUE(ParseDialogInteger(text, value)) << '"' << text << '"';
  return value;
}

void ExpectRefused(const char* text) {
  int value = 42;
  EXPECT_FALSE(ParseDialogInteger(text, value)) << '"' << text << '"';
  EXPECT_EQ(value, 42) << "a refused text leaves the value alone";
}

TEST(PluginIntegerText, ReadsPlainNumbers) {
  EXPECT_EQ(Parsed("1"), 1);
  EXPECT_EQ(Parsed("0"), 0);
  EXPECT_EQ(Parsed("0042"), 42);
}

TEST(PluginIntegerText, ReadsSignsAndSurroundingBlanks) {
  EXPECT_EQ(Parsed("-3"), -3);
  EXPECT_EQ(Parsed("+4"), 4);
  EXPECT_EQ(Parsed("  12  "), 12);
  EXPECT_EQ(Parsed("\t-7"), -7);
}

TEST(PluginIntegerText, ReadsTheLimitsOfAnInt) {
  EXPECT_EQ(Parsed("2147483647"), 2147483647);
  EXPECT_EQ(Parsed("-2147483648"), -2147483647 - 1);
}

TEST(PluginIntegerText, RefusesWhatIsNoInteger) {
  ExpectRefused("");
  ExpectRefused("   ");
  ExpectRefused("abc");
  ExpectRefused("12a");
  ExpectRefused("1 2");
  ExpectRefused("-");
  ExpectRefused("+-1");
  ExpectRefused("1.5");
  ExpectRefused("0x10");
}

TEST(PluginIntegerText, RefusesNumbersBeyondAnInt) {
  ExpectRefused("2147483648");
  ExpectRefused("-2147483649");
  ExpectRefused("99999999999999999999999");
}

TEST(PluginIntegerText, WritesDecimal) {
  EXPECT_EQ(FormatDialogInteger(1), "1");
  EXPECT_EQ(FormatDialogInteger(-5), "-5");
  EXPECT_EQ(FormatDialogInteger(0), "0");
}

}  // namespace
