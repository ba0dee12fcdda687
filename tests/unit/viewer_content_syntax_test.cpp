// Numbers, strings and text operators as the viewer writes them into content streams.
#include <gtest/gtest.h>

#include "pdf/content_syntax.h"
#include "pdf/text_operators.h"

namespace viewer::pdf {
namespace {

TEST(ViewerContentSyntax, NumbersArePlainDecimals) {
  EXPECT_EQ(PdfNumber(12), "12");
  EXPECT_EQ(PdfNumber(-0.5), "-0.5");
  EXPECT_EQ(PdfNumber(0), "0");
  EXPECT_EQ(PdfNumber(-0.000001), "0");
  EXPECT_EQ(PdfNumber(1.0 / 65536), "0.00002");
  EXPECT_EQ(PdfNumber(1e9), "1000000000");
  EXPECT_EQ(PdfNumber(23.99998474121094), "23.99998");
}

TEST(ViewerContentSyntax, StringsEscapeDelimitersAndHighBytes) {
  EXPECT_EQ(PdfLiteralString("plain"), "(plain)");
  EXPECT_EQ(PdfLiteralString("a(b)c\\d"), "(a\\(b\\)c\\\\d)");
  EXPECT_EQ(PdfLiteralString("\xE9\x80\x7F"), "(\\351\\200\\177)");
  EXPECT_EQ(PdfLiteralString(std::string("\r\n\0", 3)), "(\\015\\012\\000)");
  EXPECT_EQ(PdfLiteralString(""), "()");
}

TEST(ViewerTextOperators, ARunInItsOwnGraphicsState) {
  TextRun run;
  run.bytes = "[BANNERPAGE]";
  run.matrix = {16, 0, 0, 16, -400, 0};
  run.fillSpace = ColourSpace::DeviceRGB;
  run.fill = {1, 1, 1, 0};
  EXPECT_EQ(TextRunOperators(run, "F2", ""),
            "q\n1 1 1 rg\nBT\n/F2 1 Tf\n16 0 0 16 -400 0 Tm\n([BANNERPAGE]) Tj\nET\nQ\n");
  run.fillSpace = ColourSpace::DeviceGray;
  run.fill = {0.25, 0, 0, 0};
  EXPECT_EQ(TextRunOperators(run, "F1", "GS3"),
            "q\n/GS3 gs\n0.25 g\nBT\n/F1 1 Tf\n16 0 0 16 -400 0 Tm\n([BANNERPAGE]) Tj\nET\nQ\n");
}

}  // namespace
}  // namespace viewer::pdf
