// One page of a document as a PDF of its own, for display.
#include "pdf/page_extract.h"
#include "temp_pdf.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <memory>

#include <qpdf/QPDFWriter.hh>

namespace viewer::pdf {
namespace {

// Two pages that inherit their resources and media box from the root node; the
// second has a link to the first.
class PageExtractTest : public ::testing::Test {
 protected:
  PageExtractTest() {
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle root = pdf.getRoot().getKey("/Pages");
    QPDFObjectHandle font = pdf.makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"));
    QPDFObjectHandle resources = QPDFObjectHandle::parse("<< /Font << >> >>");
    resources.getKey("/Font").replaceKey("/F1", font);
    root.replaceKey("/Resources", resources);
    root.replaceKey("/MediaBox", QPDFObjectHandle::parse("[0 0 400 500]"));
    std::vector<QPDFObjectHandle> pages;
    for (int i = 0; i < 2; ++i) {
      QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Page >>"));
      page.replaceKey("/Parent", root);
      page.replaceKey("/Contents", QPDFObjectHandle::newStream(
          &pdf, "BT /F1 12 Tf 72 400 Td (Page " + std::to_string(i + 1) + ") Tj ET\n"));
      root.getKey("/Kids").appendItem(page);
      pages.push_back(page);
    }
    root.replaceKey("/Count", QPDFObjectHandle::newInteger(2));
    QPDFObjectHandle link = QPDFObjectHandle::parse(
        "<< /Type /Annot /Subtype /Link /Rect [72 72 144 96] /Border [0 0 1] /Dest [null /Fit] >>");
    link.getKey("/Dest").setArrayItem(0, pages[0]);
    link.replaceKey("/P", pages[1]);
    pages[1].replaceKey("/Annots", QPDFObjectHandle::newArray());
    pages[1].getKey("/Annots").appendItem(pdf.makeIndirectObject(link));
    path_ = WriteTempPdf(pdf, "viewer-extract");
    doc_ = PdfDocument::Open(path_);
  }
  ~PageExtractTest() override { std::remove(path_.c_str()); }

  std::string path_;
  std::unique_ptr<PdfDocument> doc_;
};

TEST_F(PageExtractTest, HoldsThePageAloneWithWhatItInherits) {
  const std::string bytes = OnePageForDisplay(*doc_, 1);
  QPDF copy;
  copy.processMemoryFile("copy", bytes.data(), bytes.size());
  ASSERT_EQ(copy.getAllPages().size(), 1u);
  QPDFObjectHandle page = copy.getAllPages()[0];
  EXPECT_DOUBLE_EQ(page.getKey("/MediaBox").getArrayItem(3).getNumericValue(), 500);
  EXPECT_EQ(page.getKey("/Resources").getKey("/Font").getKey("/F1").getKey("/BaseFont").getName(),
            "/Helvetica");
  auto data = page.getKey("/Contents").getStreamData(qpdf_dl_all);
  EXPECT_NE(std::string(reinterpret_cast<const char*>(data->getBuffer()), data->getSize())
                .find("(Page 2)"),
            std::string::npos);
  // The link keeps its look but leads nowhere: the first page is not pulled in.
  QPDFObjectHandle link = page.getKey("/Annots").getArrayItem(0);
  EXPECT_EQ(link.getKey("/Subtype").getName(), "/Link");
  EXPECT_FALSE(link.hasKey("/Dest"));
  EXPECT_FALSE(link.hasKey("/P"));
  int pageObjects = 0;
  for (QPDFObjectHandle object : copy.getAllObjects()) {
    if (object.isDictionary() && object.getKey("/Type").isNameAndEquals("/Page")) ++pageObjects;
  }
  EXPECT_EQ(pageObjects, 1);
}

TEST_F(PageExtractTest, LeavesTheDocumentAsItWas) {
  OnePageForDisplay(*doc_, 0);
  QPDFObjectHandle root = doc_->qpdf().getRoot().getKey("/Pages");
  EXPECT_TRUE(root.hasKey("/Resources"));
  EXPECT_FALSE(doc_->Page(0).getObjectHandle().hasKey("/Resources"));
  EXPECT_FALSE(doc_->Page(0).getObjectHandle().hasKey("/MediaBox"));
  EXPECT_TRUE(doc_->DisplayedAsStored());
}

}  // namespace
}  // namespace viewer::pdf
