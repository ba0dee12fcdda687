// The ".ban" file: the sixteen lines it is written as, and how lines are read back.
#include <gtest/gtest.h>

#include <string>

#include "banner/banner_settings.h"
#include "memory_file.h"

namespace {

BannerSettings Loaded(const std::string& bytes, BannerSettings settings = {}) {
  ClearBeforeBannerLoad(settings);
  WithMemoryFile(bytes, [&](std::FILE* file) { ApplyBannerFile(settings, file); });
  return settings;
}

TEST(PluginBannerSettings, InitialValuesWriteSixteenLinesButForTheFlags) {
  EXPECT_EQ(BannerFileText(BannerSettings{}),
            "PREFIXSTR;\r\nFONTNAME;Arial\r\nFONTTYPE;\r\nFONTFLAGS;\r\nFONTSIZE;16\r\n"
            "OPACITY;100\r\nVERTICAL;-1\r\nHORIZONTAL;-1\r\nALIGNTEXTCENTER\r\n"
            "TEXTCOLOR;0\r\nDEGREESANGLE;0\r\nBANNERPAGESIZEHEIGHT;0\r\n"
            "BANNERPAGESIZEWIDTH;0\r\n");
}

TEST(PluginBannerSettings, EveryFieldIsWrittenInItsPlace) {
  BannerSettings s;
  s.prefixStr = "Chapter 2";
  s.fontName = "Times-Roman";
  s.fontType = "TrueType";
  s.fontFlags = "STD_ENCODING";
  s.fontSize = 20;
  s.opacity = 50;
  s.vertical = 300;
  s.horizontal = 72;
  s.levelText = s.alignTextLeft = s.alignTextRight = 1;
  s.alignTextCenter = 1;
  s.textColor = 16711680;  // pure blue
  s.degreesAngle = 270;
  s.bannerPageSizeHeight = 792;
  s.bannerPageSizeWidth = 612;
  const std::string text = BannerFileText(s);
  EXPECT_EQ(text,
            "PREFIXSTR;Chapter 2\r\nFONTNAME;Times-Roman\r\nFONTTYPE;TrueType\r\n"
            "FONTFLAGS;STD_ENCODING\r\nFONTSIZE;20\r\nOPACITY;50\r\nVERTICAL;300\r\n"
            "HORIZONTAL;72\r\nLEVELTEXT\r\nALIGNTEXTLEFT\r\nALIGNTEXTRIGHT\r\n"
            "ALIGNTEXTCENTER\r\nTEXTCOLOR;16711680\r\nDEGREESANGLE;270\r\n"
            "BANNERPAGESIZEHEIGHT;792\r\nBANNERPAGESIZEWIDTH;612\r\n");
  // Read back, everything returns but what the file does not hold.
  BannerSettings other;
  other.lineSpacing = 30;
  other.lastChosenColor = 255;
  const BannerSettings back = Loaded(text, other);
  EXPECT_EQ(BannerFileText(back), text);
  EXPECT_EQ(back.lineSpacing, 30);
  EXPECT_EQ(back.lastChosenColor, 255);
}

TEST(PluginBannerSettings, LoadingResetsTheFlagsPageSizeAndOpacity) {
  BannerSettings before;
  before.alignTextCenter = 1;
  before.levelText = 1;
  before.opacity = 40;
  before.bannerPageSizeWidth = 612;
  before.textColor = 255;
  before.fontSize = 30;
  const BannerSettings after = Loaded("FONTNAME;Courier\r\n", before);
  EXPECT_EQ(after.alignTextLeft + after.alignTextRight + after.alignTextCenter, 0);
  EXPECT_EQ(after.levelText, 0);
  EXPECT_EQ(after.opacity, 100);
  EXPECT_EQ(after.bannerPageSizeWidth, 0);
  // What the file does not name keeps its value.
  EXPECT_EQ(after.textColor, 255);
  EXPECT_EQ(after.fontSize, 30);
  EXPECT_EQ(after.fontName, "Courier");
}

TEST(PluginBannerSettings, NumbersAreReadAsFarAsTheyGo) {
  const BannerSettings s = Loaded(
      "FONTSIZE;12.9\nVERTICAL;-1\nHORIZONTAL; -7.99e1\nOPACITY;50%\n"
      "DEGREESANGLE;ninety\nBANNERPAGESIZEHEIGHT;+842.7\nTEXTCOLOR;255 red\n");
  EXPECT_EQ(s.fontSize, 12);
  EXPECT_EQ(s.vertical, -1);
  EXPECT_EQ(s.horizontal, -79);
  EXPECT_EQ(s.opacity, 50);
  EXPECT_EQ(s.degreesAngle, 0);
  EXPECT_EQ(s.bannerPageSizeHeight, 842);
  EXPECT_EQ(s.textColor, 255);
}

TEST(PluginBannerSettings, LineGrammar) {
  BannerSettings before;
  before.prefixStr = "old";
  const BannerSettings s = Loaded(
      "PREFIXSTR;\r\n"
      "FONTNAME;Times;Roman\r\n"
      "LEVELTEXT;0\r\n"
      "ALIGNTEXTRIGHT\r\nALIGNTEXTCENTER\r\n"
      ";;;\r\n\r\n"
      "fontsize;40\r\n"
      "FONTSIZE;20\r\nFONTSIZE;22\r\n",
      before);
  EXPECT_EQ(s.prefixStr, "");
  EXPECT_EQ(s.fontName, "Times");
  EXPECT_EQ(s.levelText, 1);
  EXPECT_EQ(s.alignTextRight, 1);
  EXPECT_EQ(s.alignTextCenter, 1);
  EXPECT_EQ(s.alignTextLeft, 0);
  EXPECT_EQ(s.fontSize, 22);
}

TEST(PluginBannerSettings, TextColorLinesAreSignalled) {
  int seen = 0;
  BannerSettings s;
  WithMemoryFile("TEXTCOLOR;255\nFONTSIZE;9\nTEXTCOLOR;65280\n", [&](std::FILE* file) {
    ApplyBannerFile(s, file, [](void* count) { ++*static_cast<int*>(count); }, &seen);
  });
  EXPECT_EQ(seen, 2);
  EXPECT_EQ(s.textColor, 65280);
}

}  // namespace
