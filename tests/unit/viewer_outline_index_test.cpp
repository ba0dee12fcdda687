#include "pdf/outline_index.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include <qpdf/QPDF.hh>

namespace viewer::pdf {
namespace {

class OutlineIndexTest : public ::testing::Test {
 protected:
  OutlineIndexTest() { pdf_.emptyPDF(); }

  QPDFObjectHandle Item(const std::string& title) {
    return pdf_.makeIndirectObject(QPDFObjectHandle::parse("<< /Title (" + title + ") >>"));
  }

  // Makes children the children of parent, linked by /First, /Next and /Last.
  static void Link(QPDFObjectHandle parent, std::vector<QPDFObjectHandle> children) {
    if (children.empty()) return;
    parent.replaceKey("/First", children.front());
    parent.replaceKey("/Last", children.back());
    for (size_t i = 0; i + 1 < children.size(); ++i) {
      children[i].replaceKey("/Next", children[i + 1]);
    }
  }

  QPDFObjectHandle Outlines() {
    QPDFObjectHandle outlines = pdf_.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines >>"));
    pdf_.getRoot().replaceKey("/Outlines", outlines);
    return outlines;
  }

  // Reads the outline as a reader does: each item's title, its children, then its
  // next sibling; "!" where a link is bad (the reader then goes on with the parent's
  // next sibling). Read twice: asking the index as the host does, walked only as far
  // as each question needs, and walked whole first; the two must agree.
  std::vector<std::string> Read() {
    index_.Begin(pdf_, handles_);
    const std::vector<std::string> asked = ReadWith([&](uint32_t item, bool throughNext) {
      return index_.WalkTo(item, throughNext);
    });
    index_.Build(pdf_, handles_);
    const std::vector<std::string> whole =
        ReadWith([&](uint32_t item, bool) { return index_.Node(item); });
    EXPECT_EQ(asked, whole) << "the outline walked as asked differs from the whole walk";
    return whole;
  }

  std::vector<std::string> ReadWith(
      const std::function<const OutlineNode*(uint32_t, bool)>& node) {
    std::vector<std::string> seen;
    if (index_.rootBad()) return {"!root"};
    std::function<void(uint32_t)> children = [&](uint32_t parent) {
      const OutlineNode* links = node(parent, false);
      if (links == nullptr) return;
      OutlineLink link = links->first;
      while (link.state == OutlineLinkState::Item) {
        QPDFObjectHandle title = handles_.Object(link.target).getKey("/Title");
        seen.push_back(title.isString() ? title.getStringValue() : "?");
        children(link.target);
        link = node(link.target, true)->next;
      }
      if (link.state == OutlineLinkState::Bad) seen.push_back("!");
    };
    children(index_.root());
    return seen;
  }

  QPDF pdf_;
  ObjectHandles handles_{1, 1};
  OutlineIndex index_;
};

using Titles = std::vector<std::string>;

TEST_F(OutlineIndexTest, ReadsNestedItemsInPreOrder) {
  QPDFObjectHandle a = Item("A"), a1 = Item("A1"), a2 = Item("A2"), b = Item("B");
  Link(Outlines(), {a, b});
  Link(a, {a1, a2});
  EXPECT_EQ(Read(), (Titles{"A", "A1", "A2", "B"}));
  EXPECT_EQ(index_.itemCount(), 5u);  // the root and four items
}

// Asked for the first items, the index walks no further than they need: a reader's
// first questions do not pay for the whole outline.
TEST_F(OutlineIndexTest, WalksOnlyAsFarAsAsked) {
  std::vector<QPDFObjectHandle> top = {Item("A"), Item("B")};
  std::vector<QPDFObjectHandle> deep;
  for (int i = 0; i < 100; ++i) deep.push_back(Item("A." + std::to_string(i)));
  Link(Outlines(), top);
  Link(top[0], deep);
  index_.Begin(pdf_, handles_);
  EXPECT_FALSE(index_.complete());
  const OutlineNode* root = index_.WalkTo(index_.root(), false);
  ASSERT_NE(root, nullptr);
  ASSERT_EQ(root->first.state, OutlineLinkState::Item);
  // Whether A has children, and which is its first: not A's next, nor its other children.
  const OutlineNode* a = index_.WalkTo(root->first.target, false);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->first.state, OutlineLinkState::Item);
  EXPECT_FALSE(index_.complete());
  EXPECT_LT(index_.itemCount(), 10u);
  // A's next sibling is known only once its children are walked.
  const OutlineNode* aThrough = index_.WalkTo(root->first.target, true);
  EXPECT_EQ(aThrough->next.state, OutlineLinkState::Item);
  EXPECT_EQ(index_.itemCount(), 1u + 2u + 100u);
}

TEST_F(OutlineIndexTest, NoOutlinesGivesAnEmptyRoot) {
  EXPECT_EQ(Read(), Titles{});
  EXPECT_FALSE(index_.rootBad());
  ASSERT_NE(index_.Node(index_.root()), nullptr);
  EXPECT_EQ(index_.Node(index_.root())->first.state, OutlineLinkState::Absent);
  EXPECT_TRUE(handles_.Object(index_.root()).isDictionary());
}

TEST_F(OutlineIndexTest, OutlinesThatAreNoDictionaryMakeTheRootBad) {
  pdf_.getRoot().replaceKey("/Outlines", QPDFObjectHandle::newInteger(7));
  EXPECT_EQ(Read(), Titles{"!root"});
}

TEST_F(OutlineIndexTest, ALoopThroughNextIsABadLink) {
  QPDFObjectHandle a = Item("A"), b = Item("B"), c = Item("C");
  Link(Outlines(), {a, b, c});
  c.replaceKey("/Next", b);
  EXPECT_EQ(Read(), (Titles{"A", "B", "C", "!"}));
}

TEST_F(OutlineIndexTest, ALoopThroughFirstIsABadLink) {
  QPDFObjectHandle outlines = Outlines();
  QPDFObjectHandle a = Item("A"), a1 = Item("A1"), b = Item("B");
  Link(outlines, {a, b});
  Link(a, {a1});
  a1.replaceKey("/First", a);        // back up to its parent
  b.replaceKey("/First", outlines);  // up to the root
  EXPECT_EQ(Read(), (Titles{"A", "A1", "!", "B", "!"}));
  EXPECT_EQ(index_.Node(handles_.IndexOf(a1, kFromDocument, HandleLink::First))->first.state,
            OutlineLinkState::Bad);
}

TEST_F(OutlineIndexTest, AnItemSelfLinkedIsABadLink) {
  QPDFObjectHandle a = Item("A");
  Link(Outlines(), {a});
  a.replaceKey("/Next", a);
  EXPECT_EQ(Read(), (Titles{"A", "!"}));
}

TEST_F(OutlineIndexTest, AnItemOfTwoParentsIsBadTheSecondTime) {
  QPDFObjectHandle a = Item("A"), b = Item("B"), shared = Item("S");
  Link(Outlines(), {a, b});
  Link(a, {shared});
  Link(b, {shared});
  EXPECT_EQ(Read(), (Titles{"A", "S", "B", "!"}));
}

TEST_F(OutlineIndexTest, TheFirstPathInReadingOrderOwnsAnItem) {
  // B is A's first child's next sibling and also A's own next sibling: the reader
  // meets it as A1's sibling first, so A's /Next is the bad link.
  QPDFObjectHandle a = Item("A"), a1 = Item("A1"), b = Item("B");
  Link(Outlines(), {a});
  Link(a, {a1});
  a1.replaceKey("/Next", b);
  a.replaceKey("/Next", b);
  EXPECT_EQ(Read(), (Titles{"A", "A1", "B", "!"}));
}

TEST_F(OutlineIndexTest, LinksThatAreNoDictionaryAreBad) {
  QPDFObjectHandle a = Item("A"), b = Item("B"), c = Item("C");
  Link(Outlines(), {a, b, c});
  a.replaceKey("/First", QPDFObjectHandle::newInteger(3));
  b.replaceKey("/Next", QPDFObjectHandle::parse("[1 2]"));
  EXPECT_EQ(Read(), (Titles{"A", "!", "B", "!"}));
}

TEST_F(OutlineIndexTest, NullLinksAreAbsent) {
  QPDFObjectHandle a = Item("A");
  Link(Outlines(), {a});
  a.replaceKey("/First", QPDFObjectHandle::newNull());
  a.replaceKey("/Next", QPDFObjectHandle::newNull());
  EXPECT_EQ(Read(), (Titles{"A"}));
  EXPECT_EQ(index_.Node(handles_.IndexOf(a, kFromDocument, HandleLink::First))->first.state,
            OutlineLinkState::Absent);
}

TEST_F(OutlineIndexTest, DirectItemsGetStableHandles) {
  QPDFObjectHandle a = Item("A");
  QPDFObjectHandle direct = QPDFObjectHandle::parse("<< /Title (D) >>");
  Link(Outlines(), {a});
  a.replaceKey("/Next", direct);
  EXPECT_EQ(Read(), (Titles{"A", "D"}));
  const size_t handles = handles_.size();
  EXPECT_EQ(Read(), (Titles{"A", "D"}));  // a second check hands out no new handles
  EXPECT_EQ(handles_.size(), handles);
}

TEST_F(OutlineIndexTest, SixteenThousandItemsFiveLevelsDeepAreQuick) {
  // Four top-level items and eight children per item below, five levels deep, made
  // depth first until there are 16384.
  int made = 0;
  std::function<void(QPDFObjectHandle, int)> grow = [&](QPDFObjectHandle parent, int level) {
    std::vector<QPDFObjectHandle> children;
    const int fanOut = level == 1 ? 4 : 8;
    for (int i = 0; i < fanOut && made < 16384; ++i, ++made) {
      children.push_back(Item("Item " + std::to_string(made)));
    }
    Link(parent, children);
    if (level < 5) {
      for (QPDFObjectHandle& child : children) grow(child, level + 1);
    }
  };
  grow(Outlines(), 1);
  ASSERT_EQ(made, 16384);
  const auto start = std::chrono::steady_clock::now();
  const Titles titles = Read();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(titles.size(), 16384u);
  RecordProperty("check_and_read_seconds", std::to_string(seconds));
  EXPECT_LT(seconds, 3.0);
}

}  // namespace
}  // namespace viewer::pdf
