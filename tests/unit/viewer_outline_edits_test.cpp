// Taking bookmarks out of an outline (PDBookmarkDestroy): the neighbours and the
// parent linked past it, the counts above it, its handles no longer bookmarks; the
// document written, checked by qpdf and read back link by link.
#include "pdf/outline_edits.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <qpdf/QPDFPageDocumentHelper.hh>

#include "core/host_error.h"
#include "outline_checks.h"
#include "pdf/actions.h"
#include "pdf/outline_index.h"
#include "temp_pdf.h"

namespace viewer::pdf {
namespace {

struct PlannedItem {
  PlannedItem(std::string title, bool open = false, std::vector<PlannedItem> children = {})
      : title(std::move(title)), open(open), children(std::move(children)) {}
  std::string title;
  bool open;
  std::vector<PlannedItem> children;
};

// Links the items under parent (counts worked out from the shape); answers how many
// show below parent when it is open.
long long AddItems(QPDF& pdf, QPDFObjectHandle parent, const std::vector<PlannedItem>& items,
                   QPDFObjectHandle page) {
  long long shown = 0;
  QPDFObjectHandle previous;
  for (const PlannedItem& planned : items) {
    QPDFObjectHandle item = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Dest [null /Fit] >>"));
    item.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(planned.title));
    item.getKey("/Dest").setArrayItem(0, page);
    item.replaceKey("/Parent", parent);
    if (previous.isInitialized()) {
      previous.replaceKey("/Next", item);
      item.replaceKey("/Prev", previous);
    } else {
      parent.replaceKey("/First", item);
    }
    parent.replaceKey("/Last", item);
    if (!planned.children.empty()) {
      const long long below = AddItems(pdf, item, planned.children, page);
      item.replaceKey("/Count", QPDFObjectHandle::newInteger(planned.open ? below : -below));
      shown += planned.open ? below : 0;
    }
    ++shown;
    previous = item;
  }
  return shown;
}

class OutlineEditsTest : public ::testing::Test {
 protected:
  OutlineEditsTest() {
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Type /Page /MediaBox [0 0 612 792] /Resources << >> >>"));
    QPDFPageDocumentHelper(pdf).addPage(QPDFPageObjectHelper(page), false);
    QPDFObjectHandle root = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines >>"));
    pdf.getRoot().replaceKey("/Outlines", root);
    const std::vector<PlannedItem> outline = {
        {"A", true, {{"A1"}, {"A2"}, {"A3", false, {{"A3a"}}}}},
        {"B", false, {{"B1"}, {"B2"}}},
        {"C"},
        {"D", true, {{"D1", true, {{"D1a"}}}}},
    };
    root.replaceKey("/Count", QPDFObjectHandle::newInteger(AddItems(pdf, root, outline, page)));
    source_ = WriteTempPdf(pdf, "viewer-outline-edits");
    doc_ = PdfDocument::Open(source_);
  }
  ~OutlineEditsTest() override {
    std::remove(source_.c_str());
    if (!saved_.empty()) std::remove(saved_.c_str());
  }

  // The handle index of the item with that title, found as the plug-in finds it.
  uint32_t ItemIndex(const std::string& title) {
    const OutlineIndex& outline = doc_->Outline();
    std::vector<uint32_t> toVisit{outline.root()};
    while (!toVisit.empty()) {
      const uint32_t item = toVisit.back();
      toVisit.pop_back();
      QPDFObjectHandle object = doc_->handles().Object(item);
      if (object.isDictionary() && object.getKey("/Title").isString() &&
          object.getKey("/Title").getUTF8Value() == title) {
        return item;
      }
      const OutlineNode* node = outline.Node(item);
      if (node == nullptr) continue;
      if (node->first.state == OutlineLinkState::Item) toVisit.push_back(node->first.target);
      if (item != outline.root() && node->next.state == OutlineLinkState::Item) {
        toVisit.push_back(node->next.target);
      }
    }
    ADD_FAILURE() << "no item " << title;
    return outline.root();
  }

  bool IsBookmark(uint32_t item) {
    HandleTarget target;
    return ResolveHandle(doc_->handles().RefOf(item), &target) && target.object.isDictionary();
  }

  // The outline as the document now stands, written, checked and read back.
  std::string SavedOutline() {
    if (!saved_.empty()) std::remove(saved_.c_str());
    auto saved = SaveAndReadBack(*doc_, "viewer-outline-edits-out", saved_);
    EXPECT_EQ(QpdfCheckProblems(saved_), "");
    std::string problems;
    const std::string listing = OutlineListing(*saved, &problems);
    EXPECT_EQ(problems, "") << listing;
    return listing;
  }

  // Every difference between the index the destroys mended and one a new walk of the
  // document builds, one a line.
  std::string IndexDifferences() {
    const OutlineIndex& mended = doc_->Outline();
    OutlineIndex walked;
    walked.Build(doc_->qpdf(), doc_->handles());
    std::string differences;
    if (mended.itemCount() != walked.itemCount()) {
      differences += std::to_string(mended.itemCount()) + " items, a new walk finds " +
                     std::to_string(walked.itemCount()) + "\n";
    }
    const auto same = [](const OutlineLink& a, const OutlineLink& b) {
      return a.state == b.state && (a.state != OutlineLinkState::Item || a.target == b.target);
    };
    std::vector<uint32_t> toVisit{walked.root()};
    while (!toVisit.empty()) {
      const uint32_t item = toVisit.back();
      toVisit.pop_back();
      const OutlineNode* expected = walked.Node(item);
      const OutlineNode* found = mended.Node(item);
      if (found == nullptr) {
        differences += "item " + std::to_string(item) + " is missing\n";
        continue;
      }
      if (!same(found->first, expected->first)) differences += "first of " + std::to_string(item) + "\n";
      if (!same(found->next, expected->next)) differences += "next of " + std::to_string(item) + "\n";
      if (found->parent != expected->parent) differences += "parent of " + std::to_string(item) + "\n";
      if (found->previous != expected->previous) {
        differences += "previous of " + std::to_string(item) + "\n";
      }
      if (expected->first.state == OutlineLinkState::Item) toVisit.push_back(expected->first.target);
      if (item != walked.root() && expected->next.state == OutlineLinkState::Item) {
        toVisit.push_back(expected->next.target);
      }
    }
    return differences;
  }

  // Links item's key to another item's object, making the outline loop.
  void LinkBack(const std::string& from, const char* key, const std::string& to) {
    doc_->handles().Object(ItemIndex(from)).replaceKey(key, doc_->handles().Object(ItemIndex(to)));
    doc_->MarkChanged();
  }

  std::string source_, saved_;
  std::unique_ptr<PdfDocument> doc_;
};

// A destroy mends the outline's index in place of a new walk; each one must leave it
// as that walk would find it.
TEST_F(OutlineEditsTest, EachDestroyLeavesTheIndexAsANewWalkFindsIt) {
  for (const char* title : {"A2", "A1", "D1a", "B", "A", "D", "C"}) {
    DestroyOutlineItem(*doc_, ItemIndex(title));
    EXPECT_EQ(IndexDifferences(), "") << "after " << title;
  }
  EXPECT_EQ(doc_->Outline().itemCount(), 1u);  // the root alone
}

TEST_F(OutlineEditsTest, LinksBackIntoADestroyedBranchLeadNowhere) {
  LinkBack("D1a", "/Next", "A2");  // a link to an item met before
  LinkBack("B2", "/First", "A3");
  EXPECT_EQ(doc_->Outline().Node(ItemIndex("D1a"))->next.state, OutlineLinkState::Bad);
  EXPECT_EQ(doc_->Outline().Node(ItemIndex("B2"))->first.state, OutlineLinkState::Bad);
  DestroyOutlineItem(*doc_, ItemIndex("C"));
  EXPECT_EQ(IndexDifferences(), "");
  DestroyOutlineItem(*doc_, ItemIndex("A"));
  EXPECT_EQ(IndexDifferences(), "");
  EXPECT_EQ(doc_->Outline().Node(ItemIndex("D1a"))->next.state, OutlineLinkState::Absent);
  EXPECT_EQ(doc_->Outline().Node(ItemIndex("B2"))->first.state, OutlineLinkState::Absent);
}

TEST_F(OutlineEditsTest, TheOutlineAsBuilt) {
  EXPECT_EQ(SavedOutline(), "A+3{A1 A2 A3-1{A3a}} B-2{B1 B2} C D+2{D1+1{D1a}}");
}

TEST_F(OutlineEditsTest, AMiddleChild) {
  const uint32_t a2 = ItemIndex("A2");
  DestroyOutlineItem(*doc_, a2);
  EXPECT_FALSE(IsBookmark(a2));
  EXPECT_EQ(SavedOutline(), "A+2{A1 A3-1{A3a}} B-2{B1 B2} C D+2{D1+1{D1a}}");
}

// What was found through a destroyed bookmark goes with it; what was found through
// the others stays.
TEST_F(OutlineEditsTest, TheActionsOfDestroyedBookmarksGoWithThem) {
  const auto actionOf = [&](const std::string& title) {
    const uint32_t item = ItemIndex(title);
    return doc_->handles().IndexOf(OutlineItemAction(doc_->handles().Object(item)), item,
                                   HandleLink::Action);
  };
  const uint32_t a3 = actionOf("A3"), a3a = actionOf("A3a"), a2 = actionOf("A2");
  ASSERT_TRUE(doc_->handles().Object(a3a).isDictionary());
  DestroyOutlineItem(*doc_, ItemIndex("A3"));
  EXPECT_TRUE(doc_->handles().Object(a3).isNull());
  EXPECT_TRUE(doc_->handles().Object(a3a).isNull());
  EXPECT_TRUE(doc_->handles().Object(a2).isDictionary());
  EXPECT_EQ(SavedOutline(), "A+2{A1 A2} B-2{B1 B2} C D+2{D1+1{D1a}}");
}

TEST_F(OutlineEditsTest, AFirstChild) {
  DestroyOutlineItem(*doc_, ItemIndex("A1"));
  EXPECT_EQ(SavedOutline(), "A+2{A2 A3-1{A3a}} B-2{B1 B2} C D+2{D1+1{D1a}}");
}

TEST_F(OutlineEditsTest, ALastChildWithItsSubtree) {
  const uint32_t a3 = ItemIndex("A3"), a3a = ItemIndex("A3a");
  DestroyOutlineItem(*doc_, a3);
  EXPECT_FALSE(IsBookmark(a3));
  EXPECT_FALSE(IsBookmark(a3a));
  EXPECT_TRUE(IsBookmark(ItemIndex("A2")));
  EXPECT_EQ(SavedOutline(), "A+2{A1 A2} B-2{B1 B2} C D+2{D1+1{D1a}}");
}

TEST_F(OutlineEditsTest, AnOnlyChildWithAnOpenSubtree) {
  DestroyOutlineItem(*doc_, ItemIndex("D1"));
  EXPECT_EQ(SavedOutline(), "A+3{A1 A2 A3-1{A3a}} B-2{B1 B2} C D");
  QPDFObjectHandle d = doc_->handles().Object(ItemIndex("D"));
  EXPECT_FALSE(d.hasKey("/First"));
  EXPECT_FALSE(d.hasKey("/Last"));
  EXPECT_FALSE(d.hasKey("/Count"));
}

TEST_F(OutlineEditsTest, AChildOfAClosedItemLeavesTheCountsAboveIt) {
  DestroyOutlineItem(*doc_, ItemIndex("B2"));
  EXPECT_EQ(SavedOutline(), "A+3{A1 A2 A3-1{A3a}} B-1{B1} C D+2{D1+1{D1a}}");
}

TEST_F(OutlineEditsTest, ADeepItemCountsInEveryOpenAncestor) {
  DestroyOutlineItem(*doc_, ItemIndex("D1a"));
  EXPECT_EQ(SavedOutline(), "A+3{A1 A2 A3-1{A3a}} B-2{B1 B2} C D+1{D1}");
}

TEST_F(OutlineEditsTest, TopLevelItemsFirstAndLast) {
  DestroyOutlineItem(*doc_, ItemIndex("A"));
  DestroyOutlineItem(*doc_, ItemIndex("D"));
  EXPECT_EQ(SavedOutline(), "B-2{B1 B2} C");
  DestroyOutlineItem(*doc_, ItemIndex("B"));
  DestroyOutlineItem(*doc_, ItemIndex("C"));
  EXPECT_EQ(SavedOutline(), "");
  QPDFObjectHandle root = doc_->qpdf().getRoot().getKey("/Outlines");
  EXPECT_FALSE(root.hasKey("/First"));
  EXPECT_FALSE(root.hasKey("/Last"));
  EXPECT_FALSE(root.hasKey("/Count"));
}

TEST_F(OutlineEditsTest, TheRootAndWhatIsNoItemStay) {
  const uint32_t root = doc_->Outline().root();
  try {
    DestroyOutlineItem(*doc_, root);
    ADD_FAILURE() << "the root was destroyed";
  } catch (const core::HostError& e) {
    EXPECT_EQ(e.code(), kHostErrBadParameter);
  }
  const uint32_t page = doc_->handles().IndexOf(doc_->Page(0).getObjectHandle(), kFromDocument,
                                                HandleLink::Destination);
  EXPECT_THROW(DestroyOutlineItem(*doc_, page), core::HostError);
  const uint32_t b1 = ItemIndex("B1");
  DestroyOutlineItem(*doc_, b1);
  EXPECT_THROW(DestroyOutlineItem(*doc_, b1), core::HostError);  // destroyed already
  EXPECT_EQ(SavedOutline(), "A+3{A1 A2 A3-1{A3a}} B-1{B2} C D+2{D1+1{D1a}}");
}

}  // namespace
}  // namespace viewer::pdf
