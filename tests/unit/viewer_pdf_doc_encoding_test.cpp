#include "core/pdf_doc_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace viewer::core {
namespace {

std::string Translate(std::string text) {
  PdfDocToHost(text.data(), text.data(), text.size());
  return text;
}

TEST(ViewerPdfDocEncoding, KeepsAsciiAndLatin1) {
  EXPECT_EQ(Translate("Chapter 1: Intro"), "Chapter 1: Intro");
  EXPECT_EQ(Translate("Caf\xE9 \xFC\xDF \xA9"), "Caf\xE9 \xFC\xDF \xA9");
  // The byte-order mark of a two-byte title stays as it is.
  EXPECT_EQ(Translate("\xFE\xFF"), "\xFE\xFF");
  EXPECT_EQ(Translate(std::string("\x01\x0E\x7F", 3)), std::string("\x01\x0E\x7F", 3));
}

TEST(ViewerPdfDocEncoding, MovesTheTypographicBlock) {
  EXPECT_EQ(PdfDocToHostByte(0x80), 0x95);  // bullet
  EXPECT_EQ(PdfDocToHostByte(0x84), 0x97);  // em dash
  EXPECT_EQ(PdfDocToHostByte(0x85), 0x96);  // en dash
  EXPECT_EQ(PdfDocToHostByte(0x8D), 0x93);  // left double quote
  EXPECT_EQ(PdfDocToHostByte(0x8E), 0x94);  // right double quote
  EXPECT_EQ(PdfDocToHostByte(0x92), 0x99);  // trade mark
  EXPECT_EQ(PdfDocToHostByte(0x96), 0x8C);  // OE
  EXPECT_EQ(PdfDocToHostByte(0x9E), 0x9E);  // z caron
  EXPECT_EQ(PdfDocToHostByte(0xA0), 0x80);  // euro sign
  EXPECT_EQ(PdfDocToHostByte(0x1A), 0x88);  // circumflex
  EXPECT_EQ(PdfDocToHostByte(0x1F), 0x98);  // tilde
}

TEST(ViewerPdfDocEncoding, ApproximatesWhatTheHostLacks) {
  EXPECT_EQ(PdfDocToHostByte(0x8A), '-');  // minus
  EXPECT_EQ(PdfDocToHostByte(0x87), '/');  // fraction slash
  EXPECT_EQ(PdfDocToHostByte(0x95), 'L');  // L with stroke
  EXPECT_EQ(PdfDocToHostByte(0x9A), 'i');  // dotless i
  EXPECT_EQ(PdfDocToHostByte(0x93), '?');  // fi ligature
  EXPECT_EQ(PdfDocToHostByte(0x18), '?');  // breve
  EXPECT_EQ(PdfDocToHostByte(0x9F), '?');  // undefined
}

TEST(ViewerPdfDocEncoding, TranslatesIntoAnotherBuffer) {
  const char in[] = "\x8D" "quoted" "\x8E";
  char out[sizeof in] = {};
  PdfDocToHost(in, out, sizeof in - 1);
  EXPECT_STREQ(out, "\x93quoted\x94");
  EXPECT_STREQ(in, "\x8Dquoted\x8E");
}

}  // namespace
}  // namespace viewer::core
