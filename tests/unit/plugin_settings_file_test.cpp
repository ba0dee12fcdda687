// The settings file: reading lines into the values and writing them back.
#include <gtest/gtest.h>

#include <string>

#include "memory_file.h"
#include "settings/settings_file.h"

namespace {

PrintSettings Loaded(const std::string& bytes, PrintSettings settings = {}) {
  ClearBeforeLoad(settings);
  WithMemoryFile(bytes, [&](std::FILE* file) { ApplySettingsFile(settings, file); });
  return settings;
}

PrintSettings WithPageSizesFile() {
  PrintSettings settings;
  settings.pageSizesFile = "C:\\Plug\\PDFPageSizes.ini";
  return settings;
}

TEST(PluginSettingsFile, DefaultsWriteEightLines) {
  EXPECT_EQ(SettingsFileText(WithPageSizesFile()),
            "INDEXFONTSIZE;10\r\nINDEXPW;612\r\nINDEXPH;792\r\nINDEXINDENT;10\r\n"
            "INDEXWRAP;9999\r\nSELECTTEXT;Example\r\n"
            "PAGESIZESFILE;C:\\Plug\\PDFPageSizes.ini\r\nPAGESIZE;\r\n");
}

TEST(PluginSettingsFile, EveryFlagOnIsWrittenInItsPlace) {
  PrintSettings s = WithPageSizesFile();
  s.autoExpandTree = s.silentPrint = s.printIndex = s.thumbsOne = s.thumbsPrior = 1;
  s.intelCheckOff = s.thumbsIncSub1 = s.indexBlankLine = s.startupMax = 1;
  s.indexOnly = s.sepBookmarks = s.layeredPdf = 1;
  s.pageSize = "A4";
  EXPECT_EQ(SettingsFileText(s),
            "AUTOEXPANDTREE;1\r\nSILENTPRINT;1\r\nPRINTINDEX;1\r\nTHUMBSONE;1\r\n"
            "THUMBSPRIOR;1\r\nINTELCHECKOFF;1\r\nINDEXFONTSIZE;10\r\nINDEXPW;612\r\n"
            "INDEXPH;792\r\nINDEXINDENT;10\r\nTHUMBSINCSUB1;1\r\nINDEXWRAP;9999\r\n"
            "INDEXBLANKLINE;1\r\nSTARTUPMAX;1\r\nSELECTTEXT;Example\r\nINDEXONLY;1\r\n"
            "SEPBOOKMARKS;1\r\nLAYEREDPDF;1\r\n"
            "PAGESIZESFILE;C:\\Plug\\PDFPageSizes.ini\r\nPAGESIZE;A4\r\n");
  EXPECT_EQ(SettingsFileText(Loaded(SettingsFileText(s))), SettingsFileText(s));
}

TEST(PluginSettingsFile, NegativeIntegerKeepsItsSign) {
  PrintSettings s;
  s.indexIndent = -25;
  const std::string text = SettingsFileText(s);
  EXPECT_NE(text.find("INDEXINDENT;-25\r\n"), std::string::npos);
  EXPECT_EQ(Loaded(text).indexIndent, -25);
}

TEST(PluginSettingsFile, StartupMaxAloneLeavesTheRestAsItWas) {
  PrintSettings before;
  before.thumbsOne = 1;
  before.indexFontSize = 14;
  before.selectText = "Chapter";
  before.autoExpandTree = before.silentPrint = before.printIndex = 1;
  before.indexBlankLine = before.thumbsIncSub1 = before.selectAll = 1;
  const PrintSettings after = Loaded("STARTUPMAX;1\r\n", before);
  EXPECT_EQ(after.startupMax, 1);
  EXPECT_EQ(after.thumbsOne, 1);
  EXPECT_EQ(after.indexFontSize, 14);
  EXPECT_EQ(after.selectText, "Chapter");
  EXPECT_EQ(after.autoExpandTree + after.silentPrint + after.printIndex +
                after.indexBlankLine + after.thumbsIncSub1 + after.selectAll,
            0);
}

TEST(PluginSettingsFile, FlagValueIsNotRead) { EXPECT_EQ(Loaded("THUMBSONE;0\r\n").thumbsOne, 1); }

TEST(PluginSettingsFile, LeadingDelimitersAreSkipped) {
  EXPECT_EQ(Loaded(";;STARTUPMAX\r\n").startupMax, 1);
}

TEST(PluginSettingsFile, KeysAreCaseSensitive) {
  const PrintSettings s = Loaded("startupmax;1\r\nIndexFontSize;20\r\n");
  EXPECT_EQ(s.startupMax, 0);
  EXPECT_EQ(s.indexFontSize, 10);
}

TEST(PluginSettingsFile, StringWithoutValueIsEmpty) {
  EXPECT_EQ(Loaded("SELECTTEXT;\r\n").selectText, "");
  EXPECT_EQ(Loaded("SELECTTEXT\n").selectText, "");
}

TEST(PluginSettingsFile, StringStopsAtTheNextSeparator) {
  EXPECT_EQ(Loaded("SELECTTEXT;a;b\r\n").selectText, "a");
  EXPECT_EQ(Loaded("SELECTTEXT;;a\r\n").selectText, "a");
}

TEST(PluginSettingsFile, IntegersAreReadFromTheirLeadingDigits) {
  EXPECT_EQ(Loaded("INDEXFONTSIZE;12pt\r\n").indexFontSize, 12);
  EXPECT_EQ(Loaded("INDEXFONTSIZE;x\r\n").indexFontSize, 0);
  EXPECT_EQ(Loaded("INDEXFONTSIZE; -7\n").indexFontSize, -7);
  EXPECT_EQ(Loaded("INDEXFONTSIZE\r\n").indexFontSize, 0);
}

TEST(PluginSettingsFile, LongLineIsReadInPiecesOf254) {
  // The first piece is the key and a 240-character value; the rest is read as a
  // line of its own, which names a key too.
  const std::string value(240, 'v');
  const std::string first = "SELECTTEXT;" + value + "xyz";  // 254 characters
  ASSERT_EQ(first.size(), 254u);
  const PrintSettings s = Loaded(first + "STARTUPMAX\r\nINDEXPW;100\r\n");
  EXPECT_EQ(s.selectText, value + "xyz");
  EXPECT_EQ(s.startupMax, 1);
  EXPECT_EQ(s.indexPageWidth, 100);
}

TEST(PluginSettingsFile, LineOfExactly254EndsBeforeItsLineEnd) {
  const std::string first = "SELECTTEXT;" + std::string(243, 'w');
  ASSERT_EQ(first.size(), 254u);
  const PrintSettings s = Loaded(first + "\r\nINDEXPH;5\r\n");
  EXPECT_EQ(s.selectText, std::string(243, 'w'));
  EXPECT_EQ(s.indexPageHeight, 5);
}

TEST(PluginSettingsFile, FlagsNotClearedOnLoadStayOn) {
  const PrintSettings first = Loaded("THUMBSONE;1\r\nAUTOEXPANDTREE;1\r\n");
  ASSERT_EQ(first.thumbsOne, 1);
  ASSERT_EQ(first.autoExpandTree, 1);
  const PrintSettings second = Loaded("INDEXPW;612\r\n", first);
  EXPECT_EQ(second.thumbsOne, 1);
  EXPECT_EQ(second.autoExpandTree, 0);
}

TEST(PluginSettingsFile, UnknownAndEmptyLinesAreIgnored) {
  const PrintSettings s = Loaded("\r\n;;\r\nFOO;1\r\nINDEXWRAP;40");
  EXPECT_EQ(s.indexWrap, 40);
  EXPECT_EQ(SettingsFileText(Loaded("")), SettingsFileText(PrintSettings{}));
}

TEST(PluginSettingsFile, ReadingStopsAtCtrlZ) {
  EXPECT_EQ(Loaded("INDEXPW;1\r\n\x1aINDEXPH;2\r\n").indexPageHeight, 792);
}

}  // namespace
