// Bookmark titles from the host's bytes: 8-bit titles as they are, two-byte Unicode
// titles reduced to their printable ASCII characters, and the trailing-byte rule.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "model/bookmark_title.h"

namespace {

// A zeroed title buffer holding `bytes` at its start, as the host leaves it.
struct TitleBuffer {
  explicit TitleBuffer(const std::string& bytes) {
    std::memset(data, 0, sizeof data);
    std::memcpy(data, bytes.data(), bytes.size());
  }
  char data[kTitleBufferSize];
};

std::string TitleOf(const std::string& bytes, int reportedLength) {
  const TitleBuffer buffer(bytes);
  std::string title = "previous";
  TitleFromHostBuffer(buffer.data, reportedLength, title);
  return title;
}

TEST(PluginBookmarkTitle, EightBitTitleIsKeptAsItIs) {
  EXPECT_EQ(TitleOf("Chapter 1", 9), "Chapter 1");
  EXPECT_EQ(TitleOf("Caf\xe9", 4), "Caf\xe9");
}

TEST(PluginBookmarkTitle, EmptyTitleIsEmpty) { EXPECT_EQ(TitleOf("", 0), ""); }

// A title as two-byte big-endian Unicode with its byte-order mark.
std::string Utf16Title(std::initializer_list<char16_t> characters) {
  std::string bytes = "\xfe\xff";
  for (char16_t c : characters) {
    bytes.push_back(static_cast<char>(c >> 8));
    bytes.push_back(static_cast<char>(c & 0xFF));
  }
  return bytes;
}

TEST(PluginBookmarkTitle, UnicodeTitleKeepsItsPrintableAsciiCharacters) {
  const std::string bytes = Utf16Title({u'A', u'B'});
  EXPECT_EQ(TitleOf(bytes, static_cast<int>(bytes.size())), "AB");
}

// Byte by byte: a character's bytes each stay when printable (U+2013 gives its 0x20,
// U+4E2D its 0x4E and 0x2D).
TEST(PluginBookmarkTitle, UnicodeTitleKeepsOnlyPrintableAsciiBytes) {
  const std::string bytes = Utf16Title(
      {u'C', u'a', u'f', u'\u00e9', u' ', u'\u2013', u' ', u'M', u'e', u'n', u'\u00fc',
       u'\t', u'1', u'~', u'\u007f', u'\u4e2d'});
  EXPECT_EQ(TitleOf(bytes, static_cast<int>(bytes.size())), "Caf   Men1~N-");
}

TEST(PluginBookmarkTitle, UnicodeTitleReadsOnlyUpToTheReportedLength) {
  const std::string bytes = Utf16Title({u'A', u'B', u'C'});
  EXPECT_EQ(TitleOf(bytes, 6), "AB");
}

TEST(PluginBookmarkTitle, ReportedLengthShorterThanTheTextGivesAnEmptyTitle) {
  EXPECT_EQ(TitleOf("Hello", 3), "");
}

TEST(PluginBookmarkTitle, LengthAboveTheBufferIsClampedBelowIt) {
  // Byte-order mark, then "x" in two-byte form up to the end of the buffer.
  std::string bytes = "\xfe\xff";
  while (bytes.size() < static_cast<size_t>(kTitleBufferSize)) bytes += std::string("\0x", 2);
  // Positions 2 to 4094 are read: an 'x' at every odd position from 3 to 4093.
  EXPECT_EQ(TitleOf(bytes, 100000), std::string(2046, 'x'));
  // A length of exactly the buffer size is not clamped: position 4095 counts too.
  EXPECT_EQ(TitleOf(bytes, kTitleBufferSize), std::string(2047, 'x'));
}

TEST(PluginBookmarkTitle, TitleFillingTheWholeBufferIsReadWithoutATerminator) {
  const std::string bytes(kTitleBufferSize, 'a');
  EXPECT_EQ(TitleOf(bytes, kTitleBufferSize), bytes);
}

// The host writes 4095 bytes and a zero of a 6000-byte title, and reports 6000: the
// title is not two-byte text and keeps the bytes that fit.
TEST(PluginBookmarkTitle, EightBitTitleLongerThanTheBufferKeepsWhatFits) {
  const std::string stored = std::string("Long ") + std::string(5995, 'y');
  const std::string fits = stored.substr(0, kTitleBufferSize - 1);
  EXPECT_EQ(TitleOf(fits, 6000), fits);
}

// A two-byte title too long for the buffer may hold no zero byte (no character below
// U+0100); its byte-order mark still marks it two-byte.
TEST(PluginBookmarkTitle, TwoByteTitleWithoutZeroBytesStaysTwoByte) {
  std::string bytes = "\xfe\xff";
  while (bytes.size() < static_cast<size_t>(kTitleBufferSize - 1)) bytes += "\x4e\x2d";
  bytes.resize(kTitleBufferSize - 1);
  EXPECT_EQ(TitleOf(bytes, 8000), "");
}

TEST(PluginBookmarkTitle, NegativeLengthGivesAnEmptyTitle) { EXPECT_EQ(TitleOf("abc", -1), ""); }

TEST(PluginBookmarkTitle, TrailingControlByteIsDropped) {
  std::string title = "Title\x0e";
  DropTrailingControlByte(title);
  EXPECT_EQ(title, "Title");
}

TEST(PluginBookmarkTitle, TrailingByteAboveAsciiIsDropped) {
  std::string title = "Caf\xe9";
  DropTrailingControlByte(title);
  EXPECT_EQ(title, "Caf");
  std::string high = "x\x80";
  DropTrailingControlByte(high);
  EXPECT_EQ(high, "x");
}

TEST(PluginBookmarkTitle, OnlyOneByteIsDropped) {
  std::string title = "A\x01\x02";
  DropTrailingControlByte(title);
  EXPECT_EQ(title, "A\x01");
}

TEST(PluginBookmarkTitle, TrailingBytesFromFifteenUpToDeleteStay) {
  for (const char* kept : {"A\x0f", "A\x1f", "A ", "Az", "A\x7f"}) {
    std::string title = kept;
    DropTrailingControlByte(title);
    EXPECT_EQ(title, kept);
  }
}

TEST(PluginBookmarkTitle, EmptyTitleStaysEmpty) {
  std::string title;
  DropTrailingControlByte(title);
  EXPECT_EQ(title, "");
}

}  // namespace
