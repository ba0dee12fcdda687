// The machine's fonts through fontconfig and FreeType (fonts-liberation is installed
// with the build's dependencies).
#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H

#include <cmath>
#include <fstream>
#include <iterator>

#include "fonts/font_face.h"
#include "fonts/font_program.h"
#include "fonts/system_fonts.h"
#include "fonts/win_ansi.h"
#include "pdf/font_resource.h"

namespace viewer::fonts {
namespace {

std::string FileName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

TEST(ViewerSystemFonts, EveryFontIsListedOnce) {
  const auto& fonts = SystemFonts();
  ASSERT_FALSE(fonts.empty());
  for (size_t i = 1; i < fonts.size(); ++i) EXPECT_FALSE(fonts[i] == fonts[i - 1]);
  for (const SystemFont& font : fonts) EXPECT_FALSE(font.postScriptName.empty()) << font.file;
}

TEST(ViewerSystemFonts, ArialIsFoundAsItsMetricTwin) {
  const auto font = FindSystemFont("Arial", "TrueType");
  ASSERT_TRUE(font.has_value());
  EXPECT_EQ(FileName(font->file), "LiberationSans-Regular.ttf");
  EXPECT_EQ(font->postScriptName, "LiberationSans");
}

TEST(ViewerSystemFonts, FamiliesStylesAndPostScriptNames) {
  auto font = FindSystemFont("Liberation Sans", "TrueType");
  ASSERT_TRUE(font.has_value());
  EXPECT_EQ(FileName(font->file), "LiberationSans-Regular.ttf");
  font = FindSystemFont("LiberationSans-Bold", "TrueType");
  ASSERT_TRUE(font.has_value());
  EXPECT_EQ(FileName(font->file), "LiberationSans-Bold.ttf");
  font = FindSystemFont("Arial,BoldItalic", "TrueType");
  ASSERT_TRUE(font.has_value());
  EXPECT_EQ(FileName(font->file), "LiberationSans-BoldItalic.ttf");
  font = FindSystemFont("Courier New", "");
  ASSERT_TRUE(font.has_value());
  EXPECT_EQ(FileName(font->file), "LiberationMono-Regular.ttf");
}

TEST(ViewerSystemFonts, AnUnknownNameFindsNothing) {
  EXPECT_FALSE(FindSystemFont("NoSuchFontXyz", "TrueType").has_value());
  EXPECT_FALSE(FindSystemFont("", "TrueType").has_value());
}

TEST(ViewerSystemFonts, OtherFontTypesFindNothing) {
  EXPECT_FALSE(FindSystemFont("Arial", "Type1").has_value());
  EXPECT_TRUE(FindSystemFont("Arial", "OpenType").has_value());
}

// Advances straight from FreeType: the font's Unicode map for each WinAnsi code.
std::vector<int> FreeTypeWidths(const std::string& file) {
  std::vector<int> widths;
  FT_Library library;
  if (FT_Init_FreeType(&library) != 0) return widths;
  FT_Face face;
  if (FT_New_Face(library, file.c_str(), 0, &face) == 0) {
    FT_Select_Charmap(face, FT_ENCODING_UNICODE);
    for (int code = 32; code <= 255; ++code) {
      const char32_t c = WinAnsiToUnicode(static_cast<uint8_t>(code));
      FT_Fixed advance = 0;
      FT_Get_Advance(face, c != 0 ? FT_Get_Char_Index(face, c) : 0, FT_LOAD_NO_SCALE, &advance);
      widths.push_back(static_cast<int>(std::lround(advance * 1000.0 / face->units_per_EM)));
    }
    FT_Done_Face(face);
  }
  FT_Done_FreeType(library);
  return widths;
}

TEST(ViewerFontFace, TheWrittenWidthsAreFreeTypesAdvances) {
  const auto font = FindSystemFont("Liberation Serif", "TrueType");
  ASSERT_TRUE(font.has_value());
  const auto face = LoadFontFace(font->file, font->index);
  ASSERT_NE(face, nullptr);
  QPDF pdf;
  pdf.emptyPDF();
  QPDFObjectHandle dict = pdf::MakeTrueTypeFont(pdf, *face);
  EXPECT_EQ(dict.getKey("/FirstChar").getIntValue(), 32);
  EXPECT_EQ(dict.getKey("/LastChar").getIntValue(), 255);
  std::vector<int> written;
  for (QPDFObjectHandle width : dict.getKey("/Widths").getArrayAsVector()) {
    written.push_back(static_cast<int>(width.getIntValue()));
  }
  const std::vector<int> expected = FreeTypeWidths(font->file);
  EXPECT_EQ(written, expected);
  EXPECT_EQ(written['A' - 32], 722);  // Times' capital A, as Liberation Serif matches it

  QPDFObjectHandle descriptor = dict.getKey("/FontDescriptor");
  EXPECT_EQ(descriptor.getKey("/FontName").getName(), "/LiberationSerif");
  EXPECT_EQ(descriptor.getKey("/Ascent").getIntValue(), face->ascent);
  EXPECT_EQ(descriptor.getKey("/Descent").getIntValue(), face->descent);
  EXPECT_GT(face->ascent, 0);
  EXPECT_LT(face->descent, 0);
  EXPECT_EQ(descriptor.getKey("/Flags").getIntValue() & 2, 2);  // serif
  QPDFObjectHandle program = descriptor.getKey("/FontFile2");
  auto data = program.getStreamData(qpdf_dl_all);
  std::ifstream in(font->file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(data->getBuffer()), data->getSize()), bytes);
  EXPECT_EQ(program.getDict().getKey("/Length1").getIntValue(), static_cast<long long>(bytes.size()));
}

TEST(ViewerFontFace, OnlyTrueTypeOutlinesWithUnicodeServe) {
  EXPECT_EQ(LoadFontFace("/nonexistent/font.ttf", 0), nullptr);
  const auto font = FindSystemFont("Liberation Sans", "TrueType");
  ASSERT_TRUE(font.has_value());
  EXPECT_EQ(LoadFontFace(font->file, 7), nullptr);  // no such face
  EXPECT_EQ(LoadFontFace(font->file, 0), LoadFontFace(font->file, 0));  // read once
}

std::string Be32(uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
          static_cast<char>(v)};
}

TEST(ViewerFontProgram, AFaceOfACollectionStandsAlone) {
  const auto font = FindSystemFont("Liberation Sans", "TrueType");
  ASSERT_TRUE(font.has_value());
  const std::string single = ReadFontProgram(font->file, 0);
  ASSERT_GT(single.size(), 12u);
  // A collection holding the font twice: the header, then both copies, the second
  // with its table offsets moved on.
  const uint32_t header = 12 + 8;
  std::string collection = "ttcf" + Be32(0x00010000) + Be32(2) + Be32(header) +
                           Be32(header + static_cast<uint32_t>(single.size()));
  std::string moved = single, first = single;
  const size_t tables = (static_cast<uint8_t>(single[4]) << 8) | static_cast<uint8_t>(single[5]);
  for (size_t t = 0; t < tables; ++t) {
    for (auto [copy, shift] : {std::pair{&first, header}, std::pair{&moved, header + static_cast<uint32_t>(single.size())}}) {
      const size_t at = 12 + 16 * t + 8;
      const uint32_t offset = (static_cast<uint32_t>(static_cast<uint8_t>(single[at])) << 24) |
                              (static_cast<uint32_t>(static_cast<uint8_t>(single[at + 1])) << 16) |
                              (static_cast<uint32_t>(static_cast<uint8_t>(single[at + 2])) << 8) |
                              static_cast<uint8_t>(single[at + 3]);
      copy->replace(at, 4, Be32(offset + shift));
    }
  }
  collection += first + moved;
  const std::string extracted = FaceOfCollection(collection, 1);
  ASSERT_FALSE(extracted.empty());
  // The same tables, laid out afresh: FreeType reads it as the same font.
  const std::string path = "/tmp/viewer-face-of-collection.ttf";
  std::ofstream(path, std::ios::binary) << extracted;
  const auto face = LoadFontFace(path, 0);
  const auto original = LoadFontFace(font->file, 0);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->widths, original->widths);
  EXPECT_EQ(face->postScriptName, original->postScriptName);
  std::remove(path.c_str());
  EXPECT_TRUE(FaceOfCollection(collection, 2).empty());
  EXPECT_TRUE(FaceOfCollection(single, 0).empty());
}

}  // namespace
}  // namespace viewer::fonts
