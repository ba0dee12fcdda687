// Where poppler reads each page from: the document's file while the page is as opened,
// a one-page copy once it has changed or when the file is refused, and the sizes the
// views lay pages out by.
#include "render/page_sources.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "temp_pdf.h"

namespace viewer::render {
namespace {

class PageSourcesTest : public ::testing::Test {
 protected:
  PageSourcesTest() {
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle root = pdf.getRoot().getKey("/Pages");
    const char* const pages[] = {
        "<< /Type /Page /MediaBox [0 0 400 500] >>",
        "<< /Type /Page /MediaBox [0 0 400 500] /Rotate 90 >>",
        "<< /Type /Page /MediaBox [0 0 400 500] /CropBox [50 100 350 900] /Rotate -180 >>",
    };
    for (const char* text : pages) {
      QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(text));
      page.replaceKey("/Parent", root);
      page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, "0 0 10 10 re f\n"));
      root.getKey("/Kids").appendItem(page);
    }
    root.replaceKey("/Count", QPDFObjectHandle::newInteger(3));
    path_ = WriteTempPdf(pdf, "viewer-sources");
    doc_ = pdf::PdfDocument::Open(path_);
  }
  ~PageSourcesTest() override { std::remove(path_.c_str()); }

  // The number of pages qpdf finds in a one-page copy.
  static size_t PagesOf(const RenderSource& source) {
    QPDF copy;
    copy.processMemoryFile("copy", source.bytes.data(), source.bytes.size());
    return copy.getAllPages().size();
  }

  std::string path_;
  std::unique_ptr<pdf::PdfDocument> doc_;
};

TEST_F(PageSourcesTest, PagesAsOpenedComeFromTheFileAtTheirOwnIndex) {
  PageSources sources(*doc_);
  const PagePlan first = sources.Plan(0);
  const PagePlan third = sources.Plan(2);
  ASSERT_NE(first.source, nullptr);
  EXPECT_TRUE(first.whole);
  EXPECT_EQ(first.source->path, path_);
  EXPECT_EQ(first.page, 0);
  EXPECT_EQ(third.source, first.source);
  EXPECT_EQ(third.page, 2);
  EXPECT_EQ(sources.Plan(3).source, nullptr);
  EXPECT_EQ(sources.Plan(-1).source, nullptr);
}

TEST_F(PageSourcesTest, AChangedPageComesFromACopyOfItsOwnKeptWhileItLooksTheSame) {
  PageSources sources(*doc_);
  const SharedSource file = sources.Plan(0).source;
  doc_->MarkPageChanged(doc_->Page(1).getObjectHandle());
  const PagePlan changed = sources.Plan(1);
  ASSERT_NE(changed.source, nullptr);
  EXPECT_FALSE(changed.whole);
  EXPECT_EQ(changed.page, 0);
  EXPECT_TRUE(changed.source->path.empty());
  EXPECT_EQ(PagesOf(*changed.source), 1u);
  // Asked again, the same copy: nothing is written twice for one look.
  EXPECT_EQ(sources.Plan(1).source, changed.source);
  // The pages that did not change still come from the file.
  EXPECT_EQ(sources.Plan(0).source, file);
  // Changed again, the page needs a new copy.
  doc_->MarkPageChanged(doc_->Page(1).getObjectHandle());
  const PagePlan again = sources.Plan(1);
  ASSERT_NE(again.source, nullptr);
  EXPECT_NE(again.source, changed.source);
}

TEST_F(PageSourcesTest, AFilePopplerRefusesGivesWayToOnePageCopies) {
  PageSources sources(*doc_);
  const SharedSource file = sources.Plan(2).source;
  sources.Refused(std::make_shared<RenderSource>());  // not this document's: no effect
  EXPECT_EQ(sources.Plan(2).source, file);
  sources.Refused(file);
  const PagePlan copy = sources.Plan(2);
  ASSERT_NE(copy.source, nullptr);
  EXPECT_FALSE(copy.whole);
  EXPECT_EQ(copy.page, 0);
  EXPECT_EQ(PagesOf(*copy.source), 1u);
}

TEST_F(PageSourcesTest, SizesAreTheCropBoxTurnedByTheRotation) {
  PageSources sources(*doc_);
  double width = 0, height = 0;
  ASSERT_TRUE(sources.DisplayedSize(0, &width, &height));
  EXPECT_DOUBLE_EQ(width, 400);
  EXPECT_DOUBLE_EQ(height, 500);
  ASSERT_TRUE(sources.DisplayedSize(1, &width, &height));
  EXPECT_DOUBLE_EQ(width, 500);
  EXPECT_DOUBLE_EQ(height, 400);
  // The crop box clipped to the media box; half a turn keeps the shape.
  ASSERT_TRUE(sources.DisplayedSize(2, &width, &height));
  EXPECT_DOUBLE_EQ(width, 300);
  EXPECT_DOUBLE_EQ(height, 400);
  EXPECT_FALSE(sources.DisplayedSize(3, &width, &height));
}

}  // namespace
}  // namespace viewer::render
