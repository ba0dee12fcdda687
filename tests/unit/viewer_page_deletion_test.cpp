// Deleting pages as the host does: the page tree keeps counting right, the other pages
// keep their objects (so their outline items still lead to them), and the result
// reads back with qpdf.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include "core/host_error.h"
#include "pdf/pdf_document.h"
#include "pdf/word_finder.h"
#include "temp_pdf.h"

namespace viewer::pdf {
namespace {

QPDFObjectHandle TextPage(QPDF& pdf, QPDFObjectHandle font, int number) {
  QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(
      "<< /Type /Page /MediaBox [0 0 612 792] /Resources << /Font << >> >> >>"));
  page.getKey("/Resources").getKey("/Font").replaceKey("/F1", font);
  page.replaceKey("/Contents",
                  QPDFObjectHandle::newStream(
                      &pdf, "BT /F1 12 Tf 72 700 Td (Page " + std::to_string(number) + ") Tj ET\n"));
  return page;
}

// The leaves under node, checking on the way that every node counts its leaves and
// every kid names its node as parent.
int CheckedLeaves(QPDFObjectHandle node) {
  if (node.getKey("/Type").isNameAndEquals("/Page")) return 1;
  int leaves = 0;
  QPDFObjectHandle kids = node.getKey("/Kids");
  for (int i = 0; i < kids.getArrayNItems(); ++i) {
    QPDFObjectHandle kid = kids.getArrayItem(i);
    EXPECT_EQ(kid.getKey("/Parent").getObjGen(), node.getObjGen());
    leaves += CheckedLeaves(kid);
  }
  EXPECT_EQ(node.getKey("/Count").getIntValue(), leaves);
  return leaves;
}

class PageDeletionTest : public ::testing::Test {
 protected:
  // pages text pages "Page 0" .. in a flat tree, or nested: [[0 1] [2 [3 4]]].
  void Make(int pages, bool nested) {
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle font = pdf.makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>"));
    if (!nested) {
      QPDFPageDocumentHelper helper(pdf);
      for (int i = 0; i < pages; ++i) helper.addPage(QPDFPageObjectHelper(TextPage(pdf, font, i)), false);
    } else {
      QPDFObjectHandle root = pdf.getRoot().getKey("/Pages");
      // A node from a shape such as "[[0 1] [2 [3 4]]]", numbering pages as they come.
      auto node = [&](QPDFObjectHandle parent, QPDFObjectHandle kids, int& next, auto& self) -> void {
        for (int i = 0; i < kids.getArrayNItems(); ++i) {
          QPDFObjectHandle shape = kids.getArrayItem(i);
          QPDFObjectHandle kid;
          if (shape.isArray()) {
            kid = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Pages /Kids [] /Count 0 >>"));
            self(kid, shape, next, self);
            kid.replaceKey("/Count", QPDFObjectHandle::newInteger(CountPages(kid)));
          } else {
            kid = TextPage(pdf, font, next++);
          }
          kid.replaceKey("/Parent", parent);
          parent.getKey("/Kids").appendItem(kid);
        }
      };
      int next = 0;
      root.replaceKey("/Kids", QPDFObjectHandle::newArray());
      node(root, QPDFObjectHandle::parse("[[0 1] [2 [3 4]]]"), next, node);
      root.replaceKey("/Count", QPDFObjectHandle::newInteger(next));
    }
    AddOutlineItemPerPage(pdf);
    path_ = WriteTempPdf(pdf, "viewer-delete");
    doc_ = PdfDocument::Open(path_);
    for (int i = 0; i < doc_->PageCount(); ++i) pages_.push_back(doc_->Page(i).getObjectHandle());
  }
  static int CountPages(QPDFObjectHandle node) {
    if (node.getKey("/Type").isNameAndEquals("/Page")) return 1;
    int count = 0;
    for (int i = 0; i < node.getKey("/Kids").getArrayNItems(); ++i) {
      count += CountPages(node.getKey("/Kids").getArrayItem(i));
    }
    return count;
  }
  ~PageDeletionTest() override {
    std::remove(path_.c_str());
    if (!saved_.empty()) std::remove(saved_.c_str());
  }

  std::unique_ptr<QPDF> SaveAndRead() { return SaveAndReadBack(*doc_, "viewer-delete-out", saved_); }

  // The text of each page of pdf, through the word finder.
  static std::vector<std::string> PageTexts(QPDF& pdf) {
    std::vector<std::string> texts;
    for (QPDFObjectHandle page : pdf.getAllPages()) {
      std::string text;
      for (const FoundWord& word : PageWords(page)) text += (text.empty() ? "" : " ") + word.text;
      texts.push_back(text);
    }
    return texts;
  }

  // The page each outline item leads to in pdf as saved: its index, or -1 for none.
  static std::vector<int> OutlinePages(QPDF& pdf) {
    std::vector<int> found;
    const std::vector<QPDFObjectHandle> pages = pdf.getAllPages();
    QPDFOutlineDocumentHelper outline(pdf);
    for (auto& item : outline.getTopLevelOutlines()) {
      int index = -1;
      for (size_t i = 0; i < pages.size(); ++i) {
        if (pages[i].getObjGen() == item.getDestPage().getObjGen()) index = static_cast<int>(i);
      }
      found.push_back(index);
    }
    return found;
  }

  void ExpectPages(const std::vector<int>& stillThere) {
    ASSERT_EQ(doc_->PageCount(), static_cast<int>(stillThere.size()));
    for (size_t i = 0; i < stillThere.size(); ++i) {
      EXPECT_EQ(doc_->PageIndexOf(pages_[static_cast<size_t>(stillThere[i])]), static_cast<int>(i));
    }
    EXPECT_EQ(CheckedLeaves(doc_->qpdf().getRoot().getKey("/Pages")), static_cast<int>(stillThere.size()));
  }

  std::string path_, saved_;
  std::unique_ptr<PdfDocument> doc_;
  std::vector<QPDFObjectHandle> pages_;
};

TEST_F(PageDeletionTest, TheFirstAMiddleAndTheLastPage) {
  Make(6, false);
  doc_->DeletePages(0, 0);
  ExpectPages({1, 2, 3, 4, 5});
  doc_->DeletePages(2, 2);  // "Page 3"
  ExpectPages({1, 2, 4, 5});
  doc_->DeletePages(3, 3);
  ExpectPages({1, 2, 4});
  EXPECT_EQ(doc_->PageIndexOf(pages_[0]), -1);
  EXPECT_EQ(doc_->PageIndexOf(pages_[5]), -1);

  auto saved = SaveAndRead();
  EXPECT_EQ(PageTexts(*saved), (std::vector<std::string>{"Page 1", "Page 2", "Page 4"}));
  EXPECT_EQ(OutlinePages(*saved), (std::vector<int>{-1, 0, 1, -1, 2, -1}));
}

TEST_F(PageDeletionTest, ARangeAndTheRevision) {
  Make(6, false);
  const unsigned revision = doc_->revision();
  doc_->DeletePages(1, 4);
  EXPECT_GT(doc_->revision(), revision);
  ExpectPages({0, 5});
  // Deleted pages leave no claim on the tree.
  EXPECT_FALSE(pages_[2].hasKey("/Parent"));
  auto saved = SaveAndRead();
  EXPECT_EQ(PageTexts(*saved), (std::vector<std::string>{"Page 0", "Page 5"}));
  EXPECT_EQ(OutlinePages(*saved), (std::vector<int>{0, -1, -1, -1, -1, 1}));
}

TEST_F(PageDeletionTest, ANestedTreeLosesItsEmptyNodes) {
  Make(5, true);
  QPDFObjectHandle root = doc_->qpdf().getRoot().getKey("/Pages");
  doc_->DeletePages(3, 4);  // the whole innermost node
  ExpectPages({0, 1, 2});
  EXPECT_EQ(root.getKey("/Kids").getArrayItem(1).getKey("/Kids").getArrayNItems(), 1);
  doc_->DeletePages(0, 1);  // the whole first node
  ExpectPages({2});
  EXPECT_EQ(root.getKey("/Kids").getArrayNItems(), 1);
  auto saved = SaveAndRead();
  EXPECT_EQ(PageTexts(*saved), (std::vector<std::string>{"Page 2"}));
  EXPECT_EQ(OutlinePages(*saved), (std::vector<int>{-1, -1, 0, -1, -1}));
}

TEST_F(PageDeletionTest, APageInTheMiddleOfANestedTree) {
  Make(5, true);
  doc_->DeletePages(2, 3);
  ExpectPages({0, 1, 4});
  auto saved = SaveAndRead();
  EXPECT_EQ(PageTexts(*saved), (std::vector<std::string>{"Page 0", "Page 1", "Page 4"}));
  EXPECT_EQ(OutlinePages(*saved), (std::vector<int>{0, 1, -1, -1, 2}));
}

TEST_F(PageDeletionTest, BadRangesChangeNothing) {
  Make(3, false);
  const unsigned revision = doc_->revision();
  for (auto [first, last] : {std::pair{-1, 0}, {0, 3}, {2, 1}, {3, 3}, {0, 2}}) {
    try {
      doc_->DeletePages(first, last);
      ADD_FAILURE() << "deleted " << first << ".." << last;
    } catch (const core::HostError& e) {
      EXPECT_EQ(e.code(), kHostErrBadPage);
    }
  }
  ExpectPages({0, 1, 2});
  EXPECT_EQ(doc_->revision(), revision);
}

TEST_F(PageDeletionTest, DeletingAfterInsertingKeepsTheIndexesRight) {
  Make(4, false);
  QPDFObjectHandle added = doc_->qpdf().makeIndirectObject(QPDFObjectHandle::parse(
      "<< /Type /Page /MediaBox [0 0 612 792] /Resources << >> >>"));
  doc_->InsertPage(1, added);  // 0 1 new 2 3
  doc_->DeletePages(2, 2);
  ExpectPages({0, 1, 2, 3});
  EXPECT_EQ(doc_->PageIndexOf(added), -1);
  doc_->DeletePages(0, 0);
  EXPECT_EQ(doc_->PageIndexOf(pages_[3]), 2);
}

}  // namespace
}  // namespace viewer::pdf
