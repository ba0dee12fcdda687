// New pages go into the page tree next to their neighbour, and the tree keeps its shape.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <memory>

#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "pdf/page_insertion.h"
#include "pdf/pdf_document.h"
#include "temp_pdf.h"

namespace viewer::pdf {
namespace {

// Four pages in two nodes: the first node turns its pages and crops them.
class PageTreeTest : public ::testing::Test {
 protected:
  PageTreeTest() {
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle root = pdf.getRoot().getKey("/Pages");
    QPDFObjectHandle kids = QPDFObjectHandle::newArray();
    for (const char* extra : {"/Rotate 90 /CropBox [10 10 500 700]", ""}) {
      QPDFObjectHandle node = pdf.makeIndirectObject(QPDFObjectHandle::parse(
          std::string("<< /Type /Pages /Count 2 /Kids [] ") + extra + " >>"));
      node.replaceKey("/Parent", root);
      for (int i = 0; i < 2; ++i) {
        QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Page /MediaBox [0 0 612 792] /Resources << >> >>"));
        page.replaceKey("/Parent", node);
        node.getKey("/Kids").appendItem(page);
      }
      kids.appendItem(node);
    }
    root.replaceKey("/Kids", kids);
    root.replaceKey("/Count", QPDFObjectHandle::newInteger(4));
    path_ = WriteTempPdf(pdf, "viewer-tree");
    doc_ = PdfDocument::Open(path_);
    for (int i = 0; i < 4; ++i) pages_.push_back(doc_->Page(i).getObjectHandle());
  }
  ~PageTreeTest() override {
    std::remove(path_.c_str());
    std::remove((path_ + ".out").c_str());
  }

  QPDFObjectHandle Node(int i) {
    return doc_->qpdf().getRoot().getKey("/Pages").getKey("/Kids").getArrayItem(i);
  }

  std::string path_;
  std::unique_ptr<PdfDocument> doc_;
  std::vector<QPDFObjectHandle> pages_;
};

TEST_F(PageTreeTest, ANewPageJoinsItsNeighboursNode) {
  QPDFObjectHandle page = InsertEmptyPage(*doc_, 0, PageBox{0, 0, 300, 400});
  EXPECT_EQ(page.getKey("/Parent").getObjGen(), Node(0).getObjGen());
  EXPECT_EQ(Node(0).getKey("/Kids").getArrayNItems(), 3);
  EXPECT_EQ(Node(0).getKey("/Count").getIntValue(), 3);
  EXPECT_EQ(doc_->qpdf().getRoot().getKey("/Pages").getKey("/Count").getIntValue(), 5);
  EXPECT_EQ(doc_->qpdf().getRoot().getKey("/Pages").getKey("/Kids").getArrayNItems(), 2);
  // It takes neither the node's rotation nor its crop box.
  EXPECT_EQ(doc_->Rotation(1), 0);
  EXPECT_DOUBLE_EQ(doc_->CropBox(1).Width(), 300);
  EXPECT_EQ(doc_->Rotation(0), 90);
}

TEST_F(PageTreeTest, PagesKeepTheirIndexesInOrder) {
  QPDFObjectHandle front = InsertEmptyPage(*doc_, -1, PageBox{0, 0, 612, 792});
  QPDFObjectHandle middle = InsertEmptyPage(*doc_, 2, PageBox{0, 0, 612, 792});
  QPDFObjectHandle last = InsertEmptyPage(*doc_, 5, PageBox{0, 0, 612, 792});
  const std::vector<QPDFObjectHandle> order = {front, pages_[0], pages_[1], middle,
                                               pages_[2], pages_[3], last};
  ASSERT_EQ(doc_->PageCount(), 7);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(doc_->PageIndexOf(order[static_cast<size_t>(i)]), i);
    EXPECT_EQ(doc_->Page(i).getObjectHandle().getObjGen(), order[static_cast<size_t>(i)].getObjGen());
  }
  EXPECT_EQ(middle.getKey("/Parent").getObjGen(), Node(0).getObjGen());  // after page 2
  EXPECT_EQ(last.getKey("/Parent").getObjGen(), Node(1).getObjGen());

  doc_->SaveAs(path_ + ".out");
  QPDF saved;
  saved.processFile((path_ + ".out").c_str());
  ASSERT_EQ(saved.getAllPages().size(), 7u);
  QPDFObjectHandle first = saved.getAllPages()[0];
  EXPECT_DOUBLE_EQ(first.getKey("/MediaBox").getArrayItem(2).getNumericValue(), 612);
  EXPECT_EQ(saved.getRoot().getKey("/Pages").getKey("/Kids").getArrayNItems(), 2);
}

TEST_F(PageTreeTest, ADocumentWithoutPagesGetsItsFirst) {
  QPDF empty;
  empty.emptyPDF();
  QPDFWriter writer(empty, path_.c_str());
  writer.write();
  auto doc = PdfDocument::Open(path_);
  ASSERT_EQ(doc->PageCount(), 0);
  QPDFObjectHandle page = InsertEmptyPage(*doc, -1, PageBox{0, 0, 612, 792});
  EXPECT_EQ(doc->PageCount(), 1);
  EXPECT_EQ(doc->PageIndexOf(page), 0);
  EXPECT_EQ(doc->qpdf().getRoot().getKey("/Pages").getKey("/Count").getIntValue(), 1);
}

TEST_F(PageTreeTest, AParentThatDoesNotListItsPageIsMendedByQpdf) {
  Node(1).replaceKey("/Kids", QPDFObjectHandle::parse("[]"));  // pages 2 and 3 lost
  Node(1).getKey("/Kids").appendItem(pages_[3]);
  Node(1).getKey("/Kids").appendItem(pages_[2]);
  pages_[2].replaceKey("/Parent", doc_->qpdf().getRoot());  // not its node
  QPDFObjectHandle page = InsertEmptyPage(*doc_, 2, PageBox{0, 0, 612, 792});
  EXPECT_GE(doc_->PageIndexOf(page), 0);
  EXPECT_EQ(doc_->PageCount(), 5);
}

// In a large node a page's place goes to a node of two, so the large node's /Kids
// is not rewritten.
TEST_F(PageTreeTest, ALargeNodeGivesThePlaceToANewNodeOfTwo) {
  QPDF flat;
  flat.emptyPDF();
  for (int i = 0; i < 70; ++i) {
    QPDFPageDocumentHelper(flat).addPage(QPDFPageObjectHelper(flat.makeIndirectObject(
        QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 612 792] >>"))), false);
  }
  QPDFWriter writer(flat, path_.c_str());
  writer.write();
  auto doc = PdfDocument::Open(path_);
  const QPDFObjectHandle neighbour = doc->Page(40).getObjectHandle();
  QPDFObjectHandle page = InsertEmptyPage(*doc, 40, PageBox{0, 0, 612, 792});
  QPDFObjectHandle second = InsertEmptyPage(*doc, 41, PageBox{0, 0, 612, 792});
  QPDFObjectHandle root = doc->qpdf().getRoot().getKey("/Pages");
  EXPECT_EQ(root.getKey("/Kids").getArrayNItems(), 70);
  EXPECT_EQ(root.getKey("/Count").getIntValue(), 72);
  QPDFObjectHandle node = root.getKey("/Kids").getArrayItem(40);
  EXPECT_EQ(node.getKey("/Count").getIntValue(), 3);
  EXPECT_EQ(page.getKey("/Parent").getObjGen(), node.getObjGen());
  EXPECT_EQ(second.getKey("/Parent").getObjGen(), node.getObjGen());
  EXPECT_EQ(doc->PageIndexOf(neighbour), 40);
  EXPECT_EQ(doc->PageIndexOf(page), 41);
  EXPECT_EQ(doc->PageIndexOf(second), 42);
  EXPECT_EQ(doc->PageIndexOf(doc->Page(43).getObjectHandle()), 43);

  doc->SaveAs(path_ + ".out");
  QPDF saved;
  saved.processFile((path_ + ".out").c_str());
  const std::vector<QPDFObjectHandle> pages = saved.getAllPages();
  ASSERT_EQ(pages.size(), 72u);
  for (size_t i : {40u, 41u, 42u}) {
    QPDFObjectHandle savedPage = pages[i];
    EXPECT_EQ(savedPage.getKey("/Parent").getKey("/Count").getIntValue(), 3) << i;
  }
}

}  // namespace
}  // namespace viewer::pdf
