// Reading requested font names, and telling a family's aliases from the generic
// fall-back of fontconfig's substitution.
#include <gtest/gtest.h>

#include "fonts/font_aliases.h"
#include "fonts/font_request.h"
#include "fonts/win_ansi.h"

namespace viewer::fonts {
namespace {

TEST(ViewerFontNames, AFamilyReadsAsItStandsFirst) {
  const auto readings = ReadFontName("Liberation Sans");
  ASSERT_FALSE(readings.empty());
  EXPECT_EQ(readings.front(), (FontRequest{"Liberation Sans"}));
  EXPECT_EQ(readings.size(), 1u);
}

bool Reads(const std::string& name, const FontRequest& request) {
  const auto readings = ReadFontName(name);
  return std::find(readings.begin(), readings.end(), request) != readings.end();
}

TEST(ViewerFontNames, StylesAfterACommaOrAHyphen) {
  EXPECT_EQ(ReadFontName("Arial,Bold").front(), (FontRequest{"Arial,Bold"}));
  EXPECT_TRUE(Reads("Arial,Bold", {"Arial", true, false}));
  EXPECT_TRUE(Reads("Helvetica-BoldOblique", {"Helvetica", true, true}));
  EXPECT_TRUE(Reads("Times-Roman", {"Times", false, false}));
  EXPECT_TRUE(Reads("Arial-BoldMT", {"Arial", true, false}));
  EXPECT_TRUE(Reads("TimesNewRomanPS-ItalicMT", {"Times New Roman", false, true}));
}

TEST(ViewerFontNames, StyleWordsAfterTheFamily) {
  EXPECT_TRUE(Reads("Arial Bold Italic", {"Arial", true, true}));
  EXPECT_FALSE(Reads("Liberation Sans", {"Liberation", false, false}));
}

TEST(ViewerFontNames, WordsRunTogetherAndMakersMarks) {
  EXPECT_TRUE(Reads("TimesNewRomanPSMT", {"Times New Roman"}));
  EXPECT_TRUE(Reads("ArialMT", {"Arial"}));
}

TEST(ViewerFontNames, NothingForAnEmptyName) { EXPECT_TRUE(ReadFontName("  ").empty()); }

TEST(ViewerFontNames, NoStyleFromOtherWords) {
  for (const auto& reading : ReadFontName("Foo-Bar")) EXPECT_EQ(reading.family.find("Foo-Bar"), 0u);
}

const std::map<std::string, std::vector<std::string>> kPrefixes = {
    {"sans-serif", {"DejaVu Sans", "Verdana", "Arial"}},
    {"serif", {"DejaVu Serif", "Times New Roman"}},
};

TEST(ViewerFontAliases, TheFallBackRunIsCutOff) {
  // As fontconfig substitutes "Helvetica": its metric aliases (some weakly bound),
  // then the faces of sans-serif, then sans-serif.
  const std::vector<SubstitutedFamily> substituted = {
      {"Helvetica", false}, {"TeX Gyre Heros", false}, {"Arial", true},
      {"Liberation Sans", true}, {"DejaVu Sans", true}, {"Verdana", true},
      {"Arial", true}, {"sans-serif", true}, {"Unifont", true}};
  EXPECT_EQ(FamiliesStandingFor(substituted, kPrefixes),
            (std::vector<std::string>{"Helvetica", "TeX Gyre Heros", "Arial", "Liberation Sans"}));
}

TEST(ViewerFontAliases, AnUnknownFamilyStandsForItselfOnly) {
  const std::vector<SubstitutedFamily> substituted = {
      {"NoSuchFontXyz", false}, {"DejaVu Sans", true}, {"Verdana", true},
      {"Arial", true}, {"sans-serif", true}};
  EXPECT_EQ(FamiliesStandingFor(substituted, kPrefixes), (std::vector<std::string>{"NoSuchFontXyz"}));
}

TEST(ViewerFontAliases, WithoutARecognisedFallBackOnlyStrongBindingsCount) {
  const std::vector<SubstitutedFamily> substituted = {
      {"Arial", false}, {"Liberation Sans", false}, {"DejaVu Sans", true}, {"Unifont", true}};
  EXPECT_EQ(FamiliesStandingFor(substituted, kPrefixes),
            (std::vector<std::string>{"Arial", "Liberation Sans"}));
}

TEST(ViewerWinAnsi, MapsTheHighControlsAndLatinOne) {
  EXPECT_EQ(WinAnsiToUnicode('A'), U'A');
  EXPECT_EQ(WinAnsiToUnicode(0x80), U'\u20AC');
  EXPECT_EQ(WinAnsiToUnicode(0x96), U'\u2013');
  EXPECT_EQ(WinAnsiToUnicode(0xE9), U'\u00E9');
  EXPECT_EQ(WinAnsiToUnicode(0x81), 0u);
  EXPECT_EQ(WinAnsiToUnicode(0x0A), 0u);
}

}  // namespace
}  // namespace viewer::fonts
