// The names of the files the ticked bookmarks are saved as.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "split/bookmark_file_names.h"

namespace {

bool NoLeadBytes(unsigned char) { return false; }
// Code page 932's lead bytes.
bool ShiftJisLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

using Names = std::vector<std::string>;

TEST(PluginBookmarkFileNames, NumberedInListOrderSoTwinTitlesNeverShareAName) {
  EXPECT_EQ(BookmarkFileNames({"Intro", "Intro", "Safety"}, 200, NoLeadBytes),
            (Names{"001 Intro.pdf", "002 Intro.pdf", "003 Safety.pdf"}));
  // As many digits as the count needs.
  const std::vector<std::string> many(1200, "T");
  const Names names = BookmarkFileNames(many, 200, NoLeadBytes);
  EXPECT_EQ(names.front(), "0001 T.pdf");
  EXPECT_EQ(names[999], "1000 T.pdf");
  EXPECT_EQ(names.back(), "1200 T.pdf");
}

TEST(PluginBookmarkFileNames, TitlesBecomeLegalFileNames) {
  EXPECT_EQ(BookmarkFileNames({"a\\b/c:d*e?f\"g<h>i|j", "tab\there\x7f", "Ends... . ",
                               "", " . ", "Caf\xe9 \x96 menu"},
                              200, NoLeadBytes),
            (Names{"001 a_b_c_d_e_f_g_h_i_j.pdf", "002 tab_here_.pdf", "003 Ends.pdf",
                   "004 Bookmark.pdf", "005 Bookmark.pdf", "006 Caf\xe9 \x96 menu.pdf"}));
}

TEST(PluginBookmarkFileNames, DeviceNamesAreMarkedWhateverTheirCase) {
  EXPECT_EQ(BookmarkFileNames({"CON", "nul.txt", "Lpt9 .x", "COM10", "CONSOLE", "AUX"}, 200,
                              NoLeadBytes),
            (Names{"001 CON_.pdf", "002 nul_.txt.pdf", "003 Lpt9_ .x.pdf", "004 COM10.pdf",
                   "005 CONSOLE.pdf", "006 AUX_.pdf"}));
}

TEST(PluginBookmarkFileNames, DoubleByteCharactersKeepTheirTrailBytes) {
  // 0x95 0x5C is one character whose trail byte is the byte of a backslash.
  const std::string title = "\x95\x5C\x8E\xA6 a\\b";
  EXPECT_EQ(BookmarkFileNames({title}, 200, ShiftJisLead),
            (Names{"001 \x95\x5C\x8E\xA6 a_b.pdf"}));
  // Cut on a character boundary: 4 + 3 + 4 bytes leave room for one character and a half.
  EXPECT_EQ(BookmarkFileNames({title}, 4 + 3 + 4, ShiftJisLead), (Names{"001 \x95\x5C.pdf"}));
}

TEST(PluginBookmarkFileNames, LongTitlesAreCutToFitThePath) {
  const std::string title(300, 'x');
  const size_t longest = LongestFileNameIn("C:\\deep\\folder");
  EXPECT_EQ(longest, 259u - 15u);
  const Names names = BookmarkFileNames({title, "a  b    "}, longest, NoLeadBytes);
  EXPECT_EQ(names[0].size(), longest);
  EXPECT_EQ(names[0].substr(names[0].size() - 4), ".pdf");
  // A cut that leaves blanks at the end drops them too.
  EXPECT_EQ(BookmarkFileNames({"ab   cd"}, 4 + 4 + 4, NoLeadBytes), (Names{"001 ab.pdf"}));
  // No room for a title: the number alone; no room for that: no name.
  EXPECT_EQ(BookmarkFileNames({"Title"}, 8, NoLeadBytes), (Names{"001.pdf"}));
  EXPECT_EQ(BookmarkFileNames({"Title"}, 6, NoLeadBytes), (Names{""}));
  EXPECT_EQ(LongestFileNameIn("C:\\"), 256u);
  EXPECT_EQ(LongestFileNameIn(std::string(300, 'd')), 0u);
}

}  // namespace
