// The widths of a composite font's /W: both forms of entry, overlaps, odd entries, CIDs
// past 65535, and arrays that name far more CIDs than they take bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <qpdf/QPDF.hh>

#include "pdf/cid_widths.h"
#include "pdf/font_decoder.h"

namespace viewer::pdf {
namespace {

CidWidths Of(const std::string& w) { return CidWidths(QPDFObjectHandle::parse(w)); }

// /W read one CID at a time, the later entry winning: what the ranges must answer for
// arrays of a few entries.
std::map<uint32_t, double> Expanded(QPDFObjectHandle w) {
  std::map<uint32_t, double> widths;
  const int n = w.getArrayNItems();
  for (int i = 0; i + 1 < n;) {
    const long long first = w.getArrayItem(i).getIntValue();
    QPDFObjectHandle next = w.getArrayItem(i + 1);
    if (next.isArray()) {
      for (int k = 0; k < next.getArrayNItems(); ++k) {
        widths[static_cast<uint32_t>(first + k)] = next.getArrayItem(k).getNumericValue() / 1000;
      }
      i += 2;
    } else {
      for (long long cid = first; cid <= next.getIntValue(); ++cid) {
        widths[static_cast<uint32_t>(cid)] = w.getArrayItem(i + 2).getNumericValue() / 1000;
      }
      i += 3;
    }
  }
  return widths;
}

void ExpectSameAsExpanded(const std::string& w, uint32_t upTo) {
  const CidWidths widths = Of(w);
  const std::map<uint32_t, double> expected = Expanded(QPDFObjectHandle::parse(w));
  for (uint32_t cid = 0; cid <= upTo; ++cid) {
    const auto found = expected.find(cid);
    const std::optional<double> want =
        found == expected.end() ? std::nullopt : std::optional<double>(found->second);
    ASSERT_EQ(widths.Find(cid), want) << "CID " << cid << " of " << w;
  }
}

TEST(ViewerCidWidths, BothFormsGiveTheirCidsAndNoOthers) {
  const CidWidths widths = Of("[32 [500 600 700] 48 49 400]");
  EXPECT_EQ(widths.Find(31), std::nullopt);
  EXPECT_EQ(widths.Find(32), 0.5);
  EXPECT_EQ(widths.Find(33), 0.6);
  EXPECT_EQ(widths.Find(34), 0.7);
  EXPECT_EQ(widths.Find(35), std::nullopt);
  EXPECT_EQ(widths.Find(47), std::nullopt);
  EXPECT_EQ(widths.Find(48), 0.4);
  EXPECT_EQ(widths.Find(49), 0.4);
  EXPECT_EQ(widths.Find(50), std::nullopt);
  EXPECT_EQ(widths.Find(0), std::nullopt);
  EXPECT_EQ(widths.Find(UINT32_MAX), std::nullopt);
}

TEST(ViewerCidWidths, TheLaterEntryWinsWhereEntriesOverlap) {
  const CidWidths widths = Of("[10 20 100 15 [200 300] 18 30 400 12 [0]]");
  EXPECT_EQ(widths.Find(11), 0.1);
  EXPECT_EQ(widths.Find(12), 0.0);
  EXPECT_EQ(widths.Find(14), 0.1);
  EXPECT_EQ(widths.Find(15), 0.2);
  EXPECT_EQ(widths.Find(16), 0.3);
  EXPECT_EQ(widths.Find(17), 0.1);
  EXPECT_EQ(widths.Find(18), 0.4);
  EXPECT_EQ(widths.Find(30), 0.4);
  EXPECT_EQ(widths.Find(31), std::nullopt);
  ExpectSameAsExpanded("[10 20 100 15 [200 300] 18 30 400 12 [0]]", 40);
  // A range inside a range, one over several, and neighbours of one width.
  ExpectSameAsExpanded("[0 100 5 40 60 6 50 [7 7 7] 45 [5 5] 90 200 5 1 1 9]", 210);
}

TEST(ViewerCidWidths, AnyMixOfEntriesAnswersAsReadOneCidAtATime) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 300; ++round) {
    std::string w = "[";
    const int entries = std::uniform_int_distribution<int>(0, 12)(random);
    for (int e = 0; e < entries; ++e) {
      const int first = std::uniform_int_distribution<int>(0, 200)(random);
      if (random() % 2 == 0) {
        w += " " + std::to_string(first) + " [";
        const int count = std::uniform_int_distribution<int>(0, 12)(random);
        for (int k = 0; k < count; ++k) w += " " + std::to_string(100 * (random() % 4));
        w += "]";
      } else {
        // Reversed ranges (last before first) give nothing.
        const int last = first + std::uniform_int_distribution<int>(-3, 40)(random);
        w += " " + std::to_string(first) + " " + std::to_string(last) + " " + std::to_string(100 * (random() % 4));
      }
    }
    ExpectSameAsExpanded(w + "]", 260);
  }
}

TEST(ViewerCidWidths, OddEntriesAreLeftOutAndTheRestStands) {
  // A first CID that is no number, or negative, takes its operands with it.
  EXPECT_EQ(Of("[/Name [100] 5 [200]]").Find(5), 0.2);
  EXPECT_EQ(Of("[/Name [100] 5 [200]]").Find(0), std::nullopt);
  EXPECT_EQ(Of("[-3 [100 200 300 400] 9 9 500]").Find(0), std::nullopt);
  EXPECT_EQ(Of("[-3 [100 200 300 400] 9 9 500]").Find(9), 0.5);
  EXPECT_EQ(Of("[-3 10 100 2 2 200]").Find(0), std::nullopt);
  EXPECT_EQ(Of("[-3 10 100 2 2 200]").Find(2), 0.2);
  // An empty array, a reversed range, a width that is no number, CIDs with fractions.
  EXPECT_EQ(Of("[4 [] 20 10 300]").size(), 0u);
  EXPECT_EQ(Of("[7 [(x) 250]]").Find(7), 0.0);
  EXPECT_EQ(Of("[7 [(x) 250]]").Find(8), 0.25);
  EXPECT_EQ(Of("[7 8 /Wide]").Find(8), 0.0);
  EXPECT_EQ(Of("[2.9 4.2 600]").Find(2), 0.6);
  EXPECT_EQ(Of("[2.9 4.2 600]").Find(4), 0.6);
  EXPECT_EQ(Of("[2.9 4.2 600]").Find(5), std::nullopt);
  // What is left at the end makes no entry.
  EXPECT_EQ(Of("[1 [100] 3]").Find(3), std::nullopt);
  EXPECT_EQ(Of("[1 [100] 3 4]").Find(3), std::nullopt);
  EXPECT_EQ(Of("[1 [100] 3 4]").Find(1), 0.1);
  // No array at all.
  EXPECT_EQ(CidWidths(QPDFObjectHandle::newNull()).size(), 0u);
  EXPECT_EQ(Of("<< /W 1 >>").size(), 0u);
}

// A number far past any integer type.
constexpr const char* kHuge = "100000000000000000000000000000000000000000.0";

TEST(ViewerCidWidths, CidsPast65535AreLeftOut) {
  const CidWidths widths = Of("[0 " + std::string(kHuge) + " 8 65534 [1000 2000 3000] 70000 70010 500 "
                              "65000 4000000000 250 4294967295 [9000] " + kHuge + " " + kHuge + " 7]");
  EXPECT_EQ(widths.Find(64999), 0.008);
  EXPECT_EQ(widths.Find(65000), 0.25);
  EXPECT_EQ(widths.Find(65535), 0.25);
  EXPECT_EQ(widths.Find(65536), std::nullopt);
  EXPECT_EQ(widths.Find(70005), std::nullopt);
  EXPECT_EQ(widths.Find(4294967295u), std::nullopt);
  EXPECT_EQ(Of("[65534 [1000 2000 3000]]").Find(65535), 2.0);
  EXPECT_EQ(Of("[65534 [1000 2000 3000]]").Find(65536), std::nullopt);
  EXPECT_EQ(Of("[70000 70010 500]").size(), 0u);
}

TEST(ViewerCidWidths, ARangeOverEveryCidIsOneRange) {
  const CidWidths widths = Of("[0 4294967295 500]");
  EXPECT_EQ(widths.size(), 1u);
  EXPECT_EQ(widths.Find(0), 0.5);
  EXPECT_EQ(widths.Find(40000), 0.5);
  EXPECT_EQ(widths.Find(65535), 0.5);
  EXPECT_EQ(widths.Find(65536), std::nullopt);
  // Later entries over it cut it.
  const CidWidths cut = Of("[0 4294967295 500 100 [600] 200 4294967295 700]");
  EXPECT_EQ(cut.size(), 4u);
  EXPECT_EQ(cut.Find(99), 0.5);
  EXPECT_EQ(cut.Find(100), 0.6);
  EXPECT_EQ(cut.Find(101), 0.5);
  EXPECT_EQ(cut.Find(199), 0.5);
  EXPECT_EQ(cut.Find(200), 0.7);
  EXPECT_EQ(cut.Find(65535), 0.7);
}

TEST(ViewerCidWidths, ShortArraysNamingMillionsOfCidsKeepAtMostOneRangePerCid) {
  QPDF pdf;
  pdf.emptyPDF();
  // One widths array of 65536 alternating widths, drawn from a thousand starting CIDs,
  // after ranges over thousands of blocks of 65536 CIDs.
  QPDFObjectHandle alternating = QPDFObjectHandle::newArray();
  for (int k = 0; k <= 65535; ++k) alternating.appendItem(QPDFObjectHandle::newInteger(k % 2 == 0 ? 300 : 400));
  alternating = pdf.makeIndirectObject(alternating);
  QPDFObjectHandle w = QPDFObjectHandle::newArray();
  for (long long block = 0; block < 5000; ++block) {
    w.appendItem(QPDFObjectHandle::newInteger(block * 65536));
    w.appendItem(QPDFObjectHandle::newInteger(block * 65536 + 65535));
    w.appendItem(QPDFObjectHandle::newInteger(100));
  }
  for (int start = 0; start < 1000; ++start) {
    w.appendItem(QPDFObjectHandle::newInteger(start * 3));
    w.appendItem(alternating);
  }
  const CidWidths widths(w);
  EXPECT_LE(widths.size(), CidWidths::kMaxCid + 1u);
  // Each CID has the width the last start at or before it gives it: the blocks' ranges
  // are overwritten or past 65535.
  for (uint32_t cid = 0; cid <= CidWidths::kMaxCid; ++cid) {
    const uint32_t start = std::min<uint32_t>(cid / 3 * 3, 2997);
    ASSERT_EQ(widths.Find(cid), (cid - start) % 2 == 0 ? 0.3 : 0.4) << "CID " << cid;
  }
  EXPECT_EQ(widths.Find(65536), std::nullopt);
}

TEST(ViewerCidWidths, TheDecoderTakesItsWidthsFromTheRanges) {
  QPDF pdf;
  pdf.emptyPDF();
  // CID 1 of the embedded CMap is 70000, past the CIDs kept: it has the default width.
  QPDFObjectHandle cmap = QPDFObjectHandle::newStream(
      &pdf,
      "1 begincodespacerange <0000> <FFFF> endcodespacerange\n"
      "1 begincidrange <0001> <0001> 70000 endcidrange\n"
      "1 begincidrange <0002> <0003> 10 endcidrange\n");
  QPDFObjectHandle font = QPDFObjectHandle::parse(
      "<< /Type /Font /Subtype /Type0 /BaseFont /Some-Font"
      " /DescendantFonts [<< /Type /Font /Subtype /CIDFontType2 /BaseFont /Some-Font"
      " /DW 600 /W [0 4294967295 250 11 [100] 65530 70000 900] >>] >>");
  font.replaceKey("/Encoding", cmap);
  const std::vector<DecodedGlyph> glyphs = FontDecoder(font).Decode(std::string("\0\2\0\3\0\1", 6));
  ASSERT_EQ(glyphs.size(), 3u);
  EXPECT_EQ(glyphs[0].width, 0.25);
  EXPECT_EQ(glyphs[1].width, 0.1);
  EXPECT_EQ(glyphs[2].width, 0.6);
}

}  // namespace
}  // namespace viewer::pdf
