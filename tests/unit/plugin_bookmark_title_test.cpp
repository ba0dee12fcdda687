// Bookmark titles from the host's bytes to the text shown: the stored bytes, the
// Unicode forms marked by a byte-order mark, and control characters made blanks.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "model/bookmark_title.h"
#include "model/title_text.h"

namespace {

// A zeroed title buffer holding `bytes` at its start, as the host leaves it.
struct TitleBuffer {
  explicit TitleBuffer(const std::string& bytes) {
    std::memset(data, 0, sizeof data);
    std::memcpy(data, bytes.data(), std::min(bytes.size(), sizeof data));
  }
  char data[kTitleBufferSize];
};

std::string Stored(const std::string& bytes, int reportedLength) {
  const TitleBuffer buffer(bytes);
  return std::string(StoredTitleBytes(buffer.data, reportedLength));
}

// UTF-16 with its byte-order mark, big- or little-endian.
std::string Utf16(std::u16string_view text, bool bigEndian = true) {
  std::string bytes = bigEndian ? "\xfe\xff" : "\xff\xfe";
  for (char16_t c : text) {
    const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

std::u16string Decoded(const std::string& bytes) {
  const auto text = DecodeMarkedTitle(bytes);
  EXPECT_TRUE(text.has_value());
  return text.value_or(u"(none)");
}

TEST(PluginBookmarkTitle, EightBitTitleEndsAtItsFirstZeroByte) {
  EXPECT_EQ(Stored("Chapter 1", 9), "Chapter 1");
  EXPECT_EQ(Stored("Caf\xe9", 4), "Caf\xe9");
  EXPECT_EQ(Stored("", 0), "");
  // The host copies 4095 bytes of a 6000-byte title: those are the title.
  const std::string fits = "Long " + std::string(kTitleBufferSize - 6, 'y');
  EXPECT_EQ(Stored(fits, 6000), fits);
  // A buffer filled to its last byte has no terminator: it ends with the buffer.
  const std::string full(kTitleBufferSize, 'a');
  EXPECT_EQ(Stored(full, kTitleBufferSize), full);
}

TEST(PluginBookmarkTitle, Utf16TitleHoldsZeroBytesUpToTheReportedLength) {
  const std::string bytes = Utf16(u"AB");
  EXPECT_EQ(Stored(bytes, static_cast<int>(bytes.size())), bytes);
  EXPECT_EQ(Stored(Utf16(u"ABC"), 6), Utf16(u"AB"));
  EXPECT_EQ(Stored(Utf16(u"AB", false), 6), Utf16(u"AB", false));
  EXPECT_EQ(Stored(Utf16(u"AB"), -1), "");
  // Longer than the buffer: the whole units of the 4095 bytes the host copied.
  std::string longTitle = "\xfe\xff";
  while (longTitle.size() < static_cast<size_t>(kTitleBufferSize + 10)) longTitle += std::string("\0x", 2);
  EXPECT_EQ(Stored(longTitle, 100000), longTitle.substr(0, kTitleBufferSize - 2));
  EXPECT_EQ(Stored(longTitle, kTitleBufferSize), longTitle.substr(0, kTitleBufferSize - 2));
  EXPECT_EQ(Stored(longTitle, kTitleBufferSize - 1), longTitle.substr(0, kTitleBufferSize - 1));
}

TEST(PluginTitleText, ByteOrderMarksNameTheUnicodeForm) {
  EXPECT_EQ(Decoded(Utf16(u"Grüße aus Köln")), u"Grüße aus Köln");
  EXPECT_EQ(Decoded(Utf16(u"Pages 1–4", false)), u"Pages 1–4");
  EXPECT_EQ(Decoded("\xef\xbb\xbf" "Pr\xc3\xa9requis"), u"Prérequis");
  EXPECT_EQ(Decoded("\xfe\xff"), u"");
  // Without a mark the title is PDFDocEncoding, for the host to translate.
  EXPECT_FALSE(DecodeMarkedTitle("Caf\xe9").has_value());
  EXPECT_FALSE(DecodeMarkedTitle("\xfe").has_value());
  EXPECT_FALSE(DecodeMarkedTitle("").has_value());
}

TEST(PluginTitleText, SurrogatePairsStayAndBrokenOnesBecomeReplacements) {
  EXPECT_EQ(Decoded(Utf16(u"a\U0001F600b")), u"a\U0001F600b");
  // A high surrogate without its low one, a low one alone, a high one at the end.
  EXPECT_EQ(Decoded(Utf16(std::u16string{u'a', 0xD83D, u'b', 0xDE00, u'c', 0xD83D})),
            (std::u16string{u'a', 0xFFFD, u'b', 0xFFFD, u'c', 0xFFFD}));
  // An odd last byte.
  EXPECT_EQ(Decoded(Utf16(u"ab") + std::string(1, '\0')), (std::u16string{u'a', u'b', 0xFFFD}));
}

TEST(PluginTitleText, BadUtf8SequencesBecomeOneReplacementEach) {
  const std::string mark = "\xef\xbb\xbf";
  EXPECT_EQ(Decoded(mark + "a\x80z"), (std::u16string{u'a', 0xFFFD, u'z'}));
  // A sequence cut short by the next character, and at the end.
  EXPECT_EQ(Decoded(mark + "\xe2\x82z\xe2\x82"), (std::u16string{0xFFFD, u'z', 0xFFFD}));
  // Overlong forms, surrogates and code points past U+10FFFF are refused.
  EXPECT_EQ(Decoded(mark + "\xc0\xaf"), (std::u16string{0xFFFD, 0xFFFD}));
  EXPECT_EQ(Decoded(mark + "\xed\xa0\x80"), (std::u16string{0xFFFD, 0xFFFD, 0xFFFD}));
  EXPECT_EQ(Decoded(mark + "\xf4\x90\x80\x80"), (std::u16string{0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}));
  EXPECT_EQ(Decoded(mark + "\xf0\x9f\x98\x80"), u"\U0001F600");
  EXPECT_EQ(Decoded(mark + "\xe3\x81\x82"), u"あ");
}

TEST(PluginTitleText, ControlCharactersBecomeBlanks) {
  std::u16string unicode = u"a\tb\r\nc\u007f\u0085d\u00a0é";
  BlankControlCharacters(unicode);
  EXPECT_EQ(unicode, u"a b  c  d\u00a0é");
  std::string bytes = "Line\r\nTab\tDel\x7f" "Caf\xe9\x0e";
  BlankControlBytes(bytes);
  EXPECT_EQ(bytes, "Line  Tab Del Caf\xe9 ");
  // A double-byte character's trail byte is never a control byte: it stays.
  std::string japanese = "\x93\xfa\x96\x7b";
  BlankControlBytes(japanese);
  EXPECT_EQ(japanese, "\x93\xfa\x96\x7b");
}

// Code page 932's lead bytes, as the system would answer for a Japanese one.
bool IsShiftJisLead(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || byte >= 0xE0; }
bool NoLeadBytes(unsigned char) { return false; }

TEST(PluginTitleText, CutsNeverSplitADoubleByteCharacter) {
  // "日本" (93 FA 96 7B) and "語" (8C EA) after an "a".
  std::string text = "a\x93\xfa\x96\x7b\x8c\xea";
  std::string cut = text;
  CutOnCharacterBoundary(cut, 4, IsShiftJisLead);
  EXPECT_EQ(cut, "a\x93\xfa");
  cut = text;
  CutOnCharacterBoundary(cut, 5, IsShiftJisLead);
  EXPECT_EQ(cut, "a\x93\xfa\x96\x7b");
  cut = text;
  CutOnCharacterBoundary(cut, 100, IsShiftJisLead);
  EXPECT_EQ(cut, text);
  // In a single-byte code page every byte is a character.
  cut = "Caf\xe9s";
  CutOnCharacterBoundary(cut, 4, NoLeadBytes);
  EXPECT_EQ(cut, "Caf\xe9");
}

}  // namespace
