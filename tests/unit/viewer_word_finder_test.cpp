// The viewer's word finder over pages built here: fonts of every kind it decodes,
// words split by blanks, gaps and lines, text wherever it stands, forms, and damage.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <qpdf/QPDF.hh>

#include "core/buffer_copy.h"
#include "pdf/word_finder.h"

namespace viewer::pdf {
namespace {

// Every code 32..255 500 units wide.
std::string Widths() {
  std::string widths = "[";
  for (int code = 32; code <= 255; ++code) widths += " 500";
  return widths + "]";
}

class WordFinderTest : public ::testing::Test {
 protected:
  WordFinderTest() { pdf_.emptyPDF(); }

  QPDFObjectHandle Font(const std::string& dictionary) {
    return pdf_.makeIndirectObject(QPDFObjectHandle::parse(dictionary));
  }
  QPDFObjectHandle Helvetica() {
    return Font("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding"
                " /FirstChar 32 /LastChar 255 /Widths " + Widths() + " >>");
  }
  // A page with content, drawing with font as /F1.
  QPDFObjectHandle Page(const std::string& content, QPDFObjectHandle font) {
    QPDFObjectHandle page = pdf_.makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Type /Page /MediaBox [0 0 612 792] /Resources << /Font << >> /XObject << >> >> >>"));
    page.getKey("/Resources").getKey("/Font").replaceKey("/F1", font);
    page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf_, content));
    return page;
  }
  static std::vector<std::string> Texts(QPDFObjectHandle page) {
    std::vector<std::string> texts;
    for (const FoundWord& word : PageWords(page)) texts.push_back(word.text);
    return texts;
  }
  QPDFObjectHandle Form(const std::string& content, const std::string& extra) {
    QPDFObjectHandle form = QPDFObjectHandle::newStream(&pdf_, content);
    QPDFObjectHandle dict = form.getDict();
    dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
    dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Form"));
    dict.replaceKey("/BBox", QPDFObjectHandle::parse("[0 0 100 100]"));
    if (!extra.empty()) {
      QPDFObjectHandle more = QPDFObjectHandle::parse(extra);
      for (const std::string& key : more.getKeys()) dict.replaceKey(key, more.getKey(key));
    }
    return form;
  }

  QPDF pdf_;
};

TEST_F(WordFinderTest, HelveticaInWinAnsiSplitsAtBlanks) {
  QPDFObjectHandle page = Page("BT /F1 12 Tf 72 700 Td (Hello,  wide\\351 world!) Tj ET", Helvetica());
  EXPECT_EQ(Texts(page), (std::vector<std::string>{"Hello,", "wide\xE9", "world!"}));
  const std::vector<FoundWord> words = PageWords(page);
  // Five glyphs of half an em at 12 points from x = 72; the box stands on the baseline.
  EXPECT_NEAR(words[0].box.left, 72, 0.01);
  EXPECT_NEAR(words[0].box.right, 72 + 6 * 6, 0.01);
  EXPECT_LT(words[0].box.bottom, 700);
  EXPECT_GT(words[0].box.top, 700);
}

TEST_F(WordFinderTest, AStandardFontWithoutWidthsStillSplitsAtBlanks) {
  QPDFObjectHandle font = Font("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>");
  EXPECT_EQ(Texts(Page("BT /F1 12 Tf 72 700 Td (Page 12) Tj ET", font)),
            (std::vector<std::string>{"Page", "12"}));
}

TEST_F(WordFinderTest, DifferencesOverABaseEncodingAndGlyphNames) {
  QPDFObjectHandle font = Font(
      "<< /Type /Font /Subtype /Type1 /BaseFont /Times-Roman /FirstChar 32 /LastChar 255 /Widths " +
      Widths() +
      " /Encoding << /BaseEncoding /MacRomanEncoding /Differences [65 /Eacute /fi 70 /uni00FC /quoteright] >> >>");
  // A is É, B the fi ligature, F ü; G the right quote; MacRoman 0x8E is é.
  EXPECT_EQ(Texts(Page("BT /F1 10 Tf 0 0 Td (ABF \\216tG) Tj ET", font)),
            (std::vector<std::string>{"\xC9" "fi\xFC", "\xE9t\x92"}));
}

TEST_F(WordFinderTest, ToUnicodeWinsOverTheEncoding) {
  QPDFObjectHandle font = Helvetica();
  font.replaceKey("/ToUnicode", QPDFObjectHandle::newStream(
                                    &pdf_, "1 begincodespacerange <00> <FF> endcodespacerange\n"
                                           "1 beginbfchar <41> <0042> endbfchar\n"));
  EXPECT_EQ(Texts(Page("BT /F1 10 Tf (AA C) Tj ET", font)), (std::vector<std::string>{"BB", "C"}));
}

TEST_F(WordFinderTest, ACompositeFontThroughItsToUnicodeMap) {
  QPDFObjectHandle cmap = QPDFObjectHandle::newStream(
      &pdf_,
      "/CIDInit /ProcSet findresource begin 12 dict begin begincmap\n"
      "1 begincodespacerange <0000> <FFFF> endcodespacerange\n"
      "2 beginbfchar <0003> <0020> <0010> <00DF> endbfchar\n"
      "2 beginbfrange <0020> <0022> <0061> <0030> <0031> [<0066006C> <D835DC00>] endbfrange\n"
      "endcmap CMapName currentdict /CMap defineresource pop end end\n");
  QPDFObjectHandle font = Font(
      "<< /Type /Font /Subtype /Type0 /BaseFont /Some-Font /Encoding /Identity-H"
      " /DescendantFonts [<< /Type /Font /Subtype /CIDFontType2 /BaseFont /Some-Font"
      " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
      " /DW 600 /W [32 [500 500 500] 48 49 400] >>] >>");
  font.replaceKey("/ToUnicode", cmap);
  // a b c, a blank, ß, the fl ligature spelt out, then a character outside the host's
  // encoding.
  EXPECT_EQ(Texts(Page("BT /F1 10 Tf <002000210022000300100030> Tj <0031> Tj ET", font)),
            (std::vector<std::string>{"abc", "\xDF" "fl?"}));
}

TEST_F(WordFinderTest, KerningJoinsAndWideAdjustmentsSplit) {
  EXPECT_EQ(Texts(Page("BT /F1 10 Tf [(Ban) 60 (ner) -100 (Page) -300 (two)] TJ ET", Helvetica())),
            (std::vector<std::string>{"BannerPage", "two"}));
}

TEST_F(WordFinderTest, LinesAndGapsSplitWordsAndSmallStepsDoNot) {
  EXPECT_EQ(Texts(Page("BT /F1 10 Tf 14 TL 72 700 Td (one) Tj T* (two) Tj (three) ' "
                       "0 -14 Td (fo) Tj 10.5 0 Td (ur) Tj 20 0 Td (five) Tj ET",
                       Helvetica())),
            (std::vector<std::string>{"one", "two", "three", "four", "five"}));
}

TEST_F(WordFinderTest, OpeningPunctuationIsAWordOfItsOwn) {
  EXPECT_EQ(Texts(Page("BT /F1 10 Tf ([BANNERPAGE] [BANNERLEVEL3] \\(see \"this\"\\) end.\\)) Tj ET", Helvetica())),
            (std::vector<std::string>{"[", "BANNERPAGE]", "[", "BANNERLEVEL3]", "(", "see", "\"",
                                      "this\")", "end.)"}));
}

TEST_F(WordFinderTest, MarkersOutsideThePageInWhiteAndInvisibleTextAreFound) {
  // As the banner pages carry them: white, left of the page, and clipped away.
  QPDFObjectHandle page = Page(
      "q 0 0 10 10 re W n 1 1 1 rg BT /F1 12 Tf 1 0 0 1 -400 0 Tm ([BANNERPAGE]) Tj ET "
      "BT 3 Tr /F1 12 Tf 1 0 0 1 -400 50 Tm ([BANNERLEVEL2]) Tj ET Q",
      Helvetica());
  const std::vector<FoundWord> words = PageWords(page);
  ASSERT_EQ(words.size(), 4u);
  EXPECT_EQ(words[1].text, "BANNERPAGE]");
  EXPECT_EQ(words[3].text, "BANNERLEVEL2]");
  EXPECT_NEAR(words[0].box.left, -400, 0.01);
  EXPECT_NEAR(words[1].box.left, -400 + 6, 0.01);
  EXPECT_GT(words[3].box.top, 50);
}

TEST_F(WordFinderTest, TheTextStateFollowsTheMatricesAndQ) {
  // The text matrix scales by 2 and the CTM moves by 100: an em is 20 points. Tc and Tz
  // widen the glyphs' steps; Q takes back the font size set inside q.
  QPDFObjectHandle page = Page(
      "1 0 0 1 100 0 cm BT /F1 10 Tf 2 0 0 2 0 0 Tm (ab) Tj ET "
      "q BT /F1 50 Tf ET Q BT 200 Tz 0 100 Td (cd) Tj ET",
      Helvetica());
  const std::vector<FoundWord> words = PageWords(page);
  ASSERT_EQ(words.size(), 2u);
  EXPECT_NEAR(words[0].box.left, 100, 0.01);
  EXPECT_NEAR(words[0].box.right, 100 + 2 * 10, 0.01);
  EXPECT_NEAR(words[1].box.right - words[1].box.left, 2 * 5 * 2, 0.01);
}

TEST_F(WordFinderTest, FormsAreReadWithTheirOwnResourcesAndMatrix) {
  QPDFObjectHandle form = Form("BT /F9 10 Tf 10 10 Td (Inside) Tj ET", "<< /Matrix [1 0 0 1 100 0] >>");
  QPDFObjectHandle resources = QPDFObjectHandle::parse("<< /Font << >> >>");
  resources.getKey("/Font").replaceKey("/F9", Helvetica());
  form.getDict().replaceKey("/Resources", resources);
  QPDFObjectHandle page = Page("BT /F1 10 Tf (Before) Tj ET q 2 0 0 2 0 0 cm /X1 Do Q BT /F1 10 Tf 0 300 Td (After) Tj ET",
                               Helvetica());
  page.getKey("/Resources").getKey("/XObject").replaceKey("/X1", form);
  const std::vector<FoundWord> words = PageWords(page);
  ASSERT_EQ(words.size(), 3u);
  EXPECT_EQ(words[1].text, "Inside");
  EXPECT_NEAR(words[1].box.left, (10 + 100) * 2, 0.01);
  EXPECT_EQ(words[2].text, "After");
  EXPECT_NEAR(words[2].box.left, 0, 0.01);  // the form's matrix ended with it
}

TEST_F(WordFinderTest, FormsDrawingEachOtherEndTheLoop) {
  QPDFObjectHandle one = Form("BT /F1 10 Tf 0 0 Td (One) Tj ET /X2 Do", "");
  QPDFObjectHandle two = Form("BT /F1 10 Tf 0 20 Td (Two) Tj ET /X1 Do /X2 Do", "");
  QPDFObjectHandle resources = QPDFObjectHandle::parse("<< /Font << >> /XObject << >> >>");
  resources.getKey("/Font").replaceKey("/F1", Helvetica());
  resources.getKey("/XObject").replaceKey("/X1", one);
  resources.getKey("/XObject").replaceKey("/X2", two);
  one.getDict().replaceKey("/Resources", resources);
  two.getDict().replaceKey("/Resources", resources);
  QPDFObjectHandle page = Page("/X1 Do", Helvetica());
  page.getKey("/Resources").getKey("/XObject").replaceKey("/X1", one);
  EXPECT_EQ(Texts(page), (std::vector<std::string>{"One", "Two"}));
}

// The operands as content streams write them: hex strings and escapes, names written
// with # codes, a marked-content dictionary (with a string of its own) before the text,
// numbers in every notation inside TJ, and an inline image whose data looks like text.
TEST_F(WordFinderTest, OperandsInEveryNotation) {
  QPDFObjectHandle page = Page(
      "/Span << /ActualText (Not shown) /MCID 0 >> BDC "
      "BT /F#31 10 Tf 72 700 Td <48656C6C6F> Tj ET EMC "
      "BI /W 2 /H 1 /BPC 8 /CS /G ID (Fake) Tj EI "
      "BT /F1 10 Tf 72 650 Td [(Tw) -.5 (o) +0.0 (\\\\s\\(x\\)) 2. (a)] TJ ET",
      Helvetica());
  EXPECT_EQ(Texts(page), (std::vector<std::string>{"Hello", "Two\\s(x)a"}));
}

TEST_F(WordFinderTest, DamageGivesWhatCanBeRead) {
  QPDFObjectHandle page = Page(
      "BT /F1 10 Tf (Good) Tj ET BT /Missing 10 Tf 0 50 Td (NoFont) Tj ET "
      "BT /F1 10 Tf 0 100 Td 5 Tj (x) 1 2 Td ] } >> (Last) Tj ET",
      Helvetica());
  // A second content stream that cannot be decoded.
  QPDFObjectHandle broken = QPDFObjectHandle::newStream(&pdf_, "not deflated at all");
  broken.getDict().replaceKey("/Filter", QPDFObjectHandle::newName("/FlateDecode"));
  QPDFObjectHandle contents = QPDFObjectHandle::newArray();
  contents.appendItem(page.getKey("/Contents"));
  contents.appendItem(broken);
  page.replaceKey("/Contents", contents);
  const std::vector<std::string> texts = Texts(page);
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[0], "Good");
  EXPECT_EQ(texts[1], "NoFont");

  QPDFObjectHandle unreadable = Page("", Helvetica());
  unreadable.replaceKey("/Contents", QPDFObjectHandle::newInteger(12));
  EXPECT_TRUE(PageWords(unreadable).empty());
  EXPECT_TRUE(PageWords(QPDFObjectHandle::newNull()).empty());
}

TEST_F(WordFinderTest, AnAccentDrawnOverALetterMakesOneLetter) {
  // TeX's way: the dieresis, a step back, then the letter under it.
  EXPECT_EQ(Texts(Page("BT /F1 10 Tf [(Br) (\\250) 500 (oker)] TJ ET", Helvetica())),
            (std::vector<std::string>{"Br\xF6ker"}));
}

TEST_F(WordFinderTest, FontNumbersPastAnyIntegerAreTakenAsTheLargestOnes) {
  const std::string huge = "100000000000000000000000000000000000000000.0";
  QPDFObjectHandle font = Font("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /FirstChar " + huge +
                               " /Widths [500] /FontDescriptor << /Flags -" + huge + " >>"
                               " /Encoding << /Differences [" + huge + " /a -" + huge + " /b] >> >>");
  EXPECT_EQ(Texts(Page("BT /F1 10 Tf (ab c) Tj ET", font)), (std::vector<std::string>{"ab", "c"}));
}

TEST(BufferCopyTest, TerminatesWithinTheBufferAndTellsWhatItCopied) {
  char buffer[8] = "xxxxxxx";
  EXPECT_EQ(core::CopyTerminated("BANNERPAGE]", buffer, 5), 4u);
  EXPECT_STREQ(buffer, "BANN");
  EXPECT_EQ(core::CopyTerminated("ok", buffer, 8), 2u);
  EXPECT_STREQ(buffer, "ok");
  EXPECT_EQ(core::CopyTerminated("ok", buffer, 0), 0u);
  EXPECT_EQ(core::CopyTerminated("ok", nullptr, 8), 0u);
  EXPECT_EQ(core::CopyTerminated("abc", buffer, 1), 0u);
  EXPECT_STREQ(buffer, "");
}

}  // namespace
}  // namespace viewer::pdf
