// The document's page order and the index of each page, through insertions and removals.
#include "pdf/page_list.h"

#include <gtest/gtest.h>

#include <qpdf/QPDF.hh>

namespace viewer::pdf {
namespace {

class PageListTest : public ::testing::Test {
 protected:
  PageListTest() {
    pdf_.emptyPDF();
    for (int i = 0; i < 8; ++i) pages_.push_back(NewPage());
  }
  QPDFObjectHandle NewPage() {
    return pdf_.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Page >>"));
  }
  // Every page is found where the order has it, and `gone` is not found at all.
  void ExpectIndexed(PageList& list, const std::vector<QPDFObjectHandle>& order) {
    ASSERT_EQ(list.size(), static_cast<int>(order.size()));
    for (int i = 0; i < list.size(); ++i) {
      EXPECT_EQ(list.at(i).getObjGen(), order[static_cast<size_t>(i)].getObjGen()) << i;
      EXPECT_EQ(list.IndexOf(order[static_cast<size_t>(i)]), i) << i;
    }
  }
  QPDF pdf_;
  std::vector<QPDFObjectHandle> pages_;
};

TEST_F(PageListTest, RemovalsAndInsertionsKeepEveryIndexRight) {
  PageList list;
  list.Assign(pages_);
  ExpectIndexed(list, pages_);  // indexed once
  std::vector<QPDFObjectHandle> order = pages_;
  list.Erase(2, 2);
  order.erase(order.begin() + 2, order.begin() + 4);
  EXPECT_EQ(list.IndexOf(pages_[2]), -1);
  EXPECT_EQ(list.IndexOf(pages_[3]), -1);
  ExpectIndexed(list, order);
  // Mixed: a page in front, then one taken out behind it, then the first page.
  QPDFObjectHandle added = NewPage();
  list.Insert(1, added);
  order.insert(order.begin() + 1, added);
  list.Erase(4, 1);
  order.erase(order.begin() + 4);
  list.Erase(0, 1);
  order.erase(order.begin());
  ExpectIndexed(list, order);
  EXPECT_EQ(list.IndexOf(pages_[0]), -1);
  EXPECT_EQ(list.IndexOf(QPDFObjectHandle::parse("<< /Type /Page >>")), -1);
}

TEST_F(PageListTest, APageListedTwiceKeepsItsHandleUntilBothAreGone) {
  PageList list;
  list.Assign({pages_[0], pages_[1], pages_[0], pages_[2]});
  list.Erase(0, 1);
  EXPECT_EQ(list.at(1).getObjGen(), pages_[0].getObjGen());
  EXPECT_EQ(list.IndexOf(pages_[0]), 1);
  list.Erase(1, 1);
  EXPECT_EQ(list.IndexOf(pages_[0]), -1);
  EXPECT_EQ(list.size(), 2);
  EXPECT_EQ(list.IndexOf(pages_[2]), 1);
}

}  // namespace
}  // namespace viewer::pdf
