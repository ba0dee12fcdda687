#include "core/pdf_doc_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace viewer::core {
namespace {

TEST(ViewerPdfDocEncoding, AsciiAndLatin1AreThemselves) {
  EXPECT_EQ(PdfDocToUnicode("Chapter 1: Caf\xE9 \xFC\xDF \xA9"), u"Chapter 1: Café üß ©");
  EXPECT_EQ(PdfDocToUnicode(std::string("\x01\x0D", 2)), u"\u0001\r");
}

TEST(ViewerPdfDocEncoding, TheUpperHalfsOwnCharacters) {
  EXPECT_EQ(PdfDocToUnicode(0x80), u'\u2022');  // bullet
  EXPECT_EQ(PdfDocToUnicode(0x84), u'\u2014');  // em dash
  EXPECT_EQ(PdfDocToUnicode(0x85), u'\u2013');  // en dash
  EXPECT_EQ(PdfDocToUnicode(0x8D), u'\u201C');  // left double quote
  EXPECT_EQ(PdfDocToUnicode(0x90), u'\u2019');  // right single quote
  EXPECT_EQ(PdfDocToUnicode(0x92), u'\u2122');  // trade mark
  EXPECT_EQ(PdfDocToUnicode(0x93), u'\uFB01');  // fi ligature
  EXPECT_EQ(PdfDocToUnicode(0x95), u'\u0141');  // L with stroke
  EXPECT_EQ(PdfDocToUnicode(0x9E), u'\u017E');  // z caron
  EXPECT_EQ(PdfDocToUnicode(0xA0), u'\u20AC');  // euro sign
  EXPECT_EQ(PdfDocToUnicode(0x18), u'\u02D8');  // breve
  EXPECT_EQ(PdfDocToUnicode(0x1F), u'\u02DC');  // small tilde
  for (unsigned char undefined : {0x7F, 0x9F, 0xAD}) {
    EXPECT_EQ(PdfDocToUnicode(undefined), u'\uFFFD') << int{undefined};
  }
}

TEST(ViewerPdfDocEncoding, BackFromUnicode) {
  EXPECT_EQ(UnicodeToPdfDoc(u"Café — 5 €"), "Caf\xE9 \x84 5 \xA0");
  // What the encoding lacks, a replacement character included.
  EXPECT_EQ(UnicodeToPdfDoc(u"日本\uFFFD"), "???");
  for (unsigned b = 0; b < 256; ++b) {
    const char16_t c = PdfDocToUnicode(static_cast<unsigned char>(b));
    if (c == u'\uFFFD') continue;
    EXPECT_EQ(UnicodeToPdfDoc(std::u16string(1, c)), std::string(1, static_cast<char>(b))) << b;
  }
}

}  // namespace
}  // namespace viewer::core
