// Pages of an open document put into a new one (PDDocInsertPages): pages with their
// content, what they inherit and what they use, their links and page actions, named
// destinations, the whole outline with the bookmarks flag, layers; nothing of the
// pages not copied comes along. The copy is written, checked by qpdf and read back.
#include "pdf/document_copy.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <qpdf/QPDFPageDocumentHelper.hh>

#include "core/host_error.h"
#include "outline_checks.h"
#include "pdf/actions.h"
#include "pdf/destinations.h"
#include "pdf/outline_copy.h"
#include "temp_pdf.h"

namespace viewer::pdf {
namespace {

QPDFObjectHandle Parsed(const std::string& text) { return QPDFObjectHandle::parse(text); }

// Six pages ("Page 1" to "Page 6") that inherit their font and size from the root node
// (page 4 has a size of its own), with links among them, named destinations of both
// kinds, page actions, a pop-up, a layer, and an outline of two levels.
class DocumentCopyTest : public ::testing::Test {
 protected:
  DocumentCopyTest() {
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle root = pdf.getRoot().getKey("/Pages");
    QPDFObjectHandle font =
        pdf.makeIndirectObject(Parsed("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"));
    QPDFObjectHandle layer = pdf.makeIndirectObject(Parsed("<< /Type /OCG /Name (Wiring) >>"));
    QPDFObjectHandle resources = Parsed("<< /Font << >> /Properties << >> >>");
    resources.getKey("/Font").replaceKey("/F1", font);
    resources.getKey("/Properties").replaceKey("/oc1", layer);
    root.replaceKey("/Resources", resources);
    root.replaceKey("/MediaBox", Parsed("[0 0 400 500]"));
    for (int i = 0; i < 6; ++i) {
      QPDFObjectHandle page = pdf.makeIndirectObject(Parsed("<< /Type /Page >>"));
      page.replaceKey("/Parent", root);
      page.replaceKey("/Contents", QPDFObjectHandle::newStream(
          &pdf, "/OC /oc1 BDC BT /F1 12 Tf 72 400 Td (Page " + std::to_string(i + 1) + ") Tj ET EMC\n"));
      root.getKey("/Kids").appendItem(page);
      pages_.push_back(page);
    }
    root.replaceKey("/Count", QPDFObjectHandle::newInteger(6));
    pages_[3].replaceKey("/MediaBox", Parsed("[0 0 300 300]"));
    QPDFObjectHandle properties = Parsed("<< /OCGs [] /D << /Order [] /OFF [] >> >>");
    properties.getKey("/OCGs").appendItem(layer);
    properties.getKey("/D").getKey("/Order").appendItem(layer);
    properties.getKey("/D").getKey("/OFF").appendItem(layer);
    pdf.getRoot().replaceKey("/OCProperties", properties);

    QPDFObjectHandle dests = Parsed("<< /toFirst null >>");
    dests.replaceKey("/toFirst", DestTo(0, "/Fit"));
    pdf.getRoot().replaceKey("/Dests", dests);
    QPDFObjectHandle tree = Parsed("<< /Names [(sixthDict) << /D null >> (third) null] >>");
    tree.getKey("/Names").getArrayItem(1).replaceKey("/D", DestTo(5, "/Fit"));
    tree.getKey("/Names").setArrayItem(3, DestTo(2, "/XYZ 0 500 0"));
    pdf.getRoot().replaceKey("/Names", Parsed("<< >>"));
    pdf.getRoot().getKey("/Names").replaceKey("/Dests", pdf.makeIndirectObject(tree));

    QPDFObjectHandle shared = pdf.makeIndirectObject(Parsed("<< /S /GoTo /D null >>"));
    shared.replaceKey("/D", DestTo(2, "/Fit"));
    QPDFObjectHandle toThird = Parsed("<< /S /GoTo /D (third) >>");
    QPDFObjectHandle text = Annotation(pdf, 1, "/Text", "/Contents (a note)");
    QPDFObjectHandle popup = Annotation(pdf, 1, "/Popup", "");
    text.replaceKey("/Popup", popup);
    popup.replaceKey("/Parent", text);
    Annotate(1, {Link(pdf, 1, "/Dest", DestTo(3, "/Fit")), Link(pdf, 1, "/Dest", DestTo(5, "/Fit")),
                 Link(pdf, 1, "/A", toThird), Link(pdf, 1, "/Dest", QPDFObjectHandle::newName("/toFirst")),
                 Link(pdf, 1, "/A", shared), text, popup});
    Annotate(3, {Link(pdf, 3, "/A", shared), Link(pdf, 3, "/Dest", DestTo(1, "/Fit"))});
    QPDFObjectHandle opening = Parsed("<< /O << /S /GoTo /D null >> >>");
    opening.getKey("/O").replaceKey("/D", DestTo(4, "/Fit"));
    pages_[2].replaceKey("/AA", opening);

    QPDFObjectHandle outlines = pdf.makeIndirectObject(Parsed("<< /Type /Outlines >>"));
    pdf.getRoot().replaceKey("/Outlines", outlines);
    QPDFObjectHandle a = Item(pdf, outlines, "A", "/Dest", DestTo(0, "/Fit"));
    Item(pdf, a, "A1", "/Dest", DestTo(1, "/Fit"));
    Item(pdf, a, "A2", "/Dest", QPDFObjectHandle::newName("/toFirst"));
    a.replaceKey("/Count", QPDFObjectHandle::newInteger(-2));
    QPDFObjectHandle b = Item(pdf, outlines, "B", "/A", Parsed("<< /S /GoTo /D (third) >>"));
    Item(pdf, b, "B1", "/Dest", DestTo(3, "/Fit"));
    Item(pdf, b, "B2", "/Dest", QPDFObjectHandle::newString("sixthDict"));
    b.replaceKey("/Count", QPDFObjectHandle::newInteger(2));
    Item(pdf, outlines, "C", "/Dest", DestTo(4, "/Fit"));
    outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(5));

    source_ = WriteTempPdf(pdf, "viewer-copy-src");
    from_ = PdfDocument::Open(source_);
    to_ = PdfDocument::CreateEmpty();
  }
  ~DocumentCopyTest() override {
    std::remove(source_.c_str());
    if (!saved_.empty()) std::remove(saved_.c_str());
  }

  QPDFObjectHandle DestTo(int page, const std::string& rest) {
    QPDFObjectHandle dest = Parsed("[null " + rest + "]");
    dest.setArrayItem(0, pages_[static_cast<size_t>(page)]);
    return dest;
  }
  QPDFObjectHandle Annotation(QPDF& pdf, int page, const std::string& subtype, const std::string& rest) {
    QPDFObjectHandle annotation = pdf.makeIndirectObject(
        Parsed("<< /Type /Annot /Subtype " + subtype + " /Rect [72 72 144 96] " + rest + " >>"));
    annotation.replaceKey("/P", pages_[static_cast<size_t>(page)]);
    return annotation;
  }
  QPDFObjectHandle Link(QPDF& pdf, int page, const std::string& key, QPDFObjectHandle target) {
    QPDFObjectHandle link = Annotation(pdf, page, "/Link", "/Border [0 0 1]");
    link.replaceKey(key, target);
    return link;
  }
  void Annotate(int page, const std::vector<QPDFObjectHandle>& annotations) {
    QPDFObjectHandle array = QPDFObjectHandle::newArray();
    for (const QPDFObjectHandle& annotation : annotations) array.appendItem(annotation);
    pages_[static_cast<size_t>(page)].replaceKey("/Annots", array);
  }
  // A new last child of parent.
  static QPDFObjectHandle Item(QPDF& pdf, QPDFObjectHandle parent, const std::string& title,
                               const std::string& key, QPDFObjectHandle target) {
    QPDFObjectHandle item = pdf.makeIndirectObject(Parsed("<< >>"));
    item.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(title));
    item.replaceKey(key, target);
    item.replaceKey("/Parent", parent);
    if (parent.hasKey("/Last")) {
      parent.getKey("/Last").replaceKey("/Next", item);
      item.replaceKey("/Prev", parent.getKey("/Last"));
    } else {
      parent.replaceKey("/First", item);
    }
    parent.replaceKey("/Last", item);
    return item;
  }

  void Insert(int afterPage, int firstPage, int count, bool withOutline) {
    PagesToInsert what;
    what.afterPage = afterPage;
    what.firstPage = firstPage;
    what.count = count;
    what.withOutline = withOutline;
    InsertPagesFrom(*to_, *from_, what, nullptr);
  }

  // The copy written, checked by qpdf and read back.
  std::unique_ptr<QPDF> Saved() {
    auto saved = SaveAndReadBack(*to_, "viewer-copy-out", saved_);
    EXPECT_EQ(QpdfCheckProblems(saved_), "");
    return saved;
  }

  // Where the item's destination leads in the copy, as the plug-in asks the host: the
  // 0-based page, or -1 for a destination that leads to no page of the copy.
  int ItemPage(QPDFObjectHandle item) {
    QPDFObjectHandle dest = ResolveDestination(*to_, ChainDestination(OutlineItemAction(item)));
    DestinationView view;
    return ReadDestination(*to_, dest, &view) ? view.page : -1;
  }

  static int PageObjectCount(QPDF& pdf) {
    int count = 0;
    for (QPDFObjectHandle object : pdf.getAllObjects()) {
      if (object.isDictionaryOfType("/Page")) ++count;
    }
    return count;
  }

  std::string source_, saved_;
  std::vector<QPDFObjectHandle> pages_;
  std::unique_ptr<PdfDocument> from_, to_;
};

TEST_F(DocumentCopyTest, PagesComeInOrderWithTheirContentAndWhatTheyInherit) {
  Insert(-1, 1, 3, false);
  EXPECT_EQ(to_->PageCount(), 3);
  auto saved = Saved();
  std::vector<QPDFObjectHandle> pages = saved->getAllPages();
  ASSERT_EQ(pages.size(), 3u);
  for (size_t i = 0; i < pages.size(); ++i) {
    EXPECT_NE(PageContent(pages[i]).find("(Page " + std::to_string(i + 2) + ")"), std::string::npos);
    EXPECT_EQ(pages[i].getKey("/Resources").getKey("/Font").getKey("/F1").getKey("/BaseFont").getName(),
              "/Helvetica");
  }
  EXPECT_DOUBLE_EQ(pages[0].getKey("/MediaBox").getArrayItem(3).getNumericValue(), 500);
  EXPECT_DOUBLE_EQ(pages[2].getKey("/MediaBox").getArrayItem(3).getNumericValue(), 300);
  // One font for all: what the pages share is copied once.
  EXPECT_EQ(pages[0].getKey("/Resources").getKey("/Font").getKey("/F1").getObjGen(),
            pages[2].getKey("/Resources").getKey("/Font").getKey("/F1").getObjGen());
  // The links to pages 1, 5 and 6 brought none of them along.
  EXPECT_EQ(PageObjectCount(*saved), 3);
  EXPECT_FALSE(saved->getRoot().hasKey("/Outlines"));
  EXPECT_FALSE(saved->getRoot().hasKey("/Dests"));
}

TEST_F(DocumentCopyTest, PagesGoWhereTheyAreAsked) {
  Insert(-1, 4, 1, false);  // Page 5
  Insert(-1, 0, 1, false);  // Page 1 before it
  Insert(0, 2, 2, false);   // Pages 3 and 4 after Page 1
  auto saved = Saved();
  std::vector<std::string> found;
  for (QPDFObjectHandle page : saved->getAllPages()) {
    const std::string content = PageContent(page);
    const size_t at = content.find("(Page ");
    found.push_back(at == std::string::npos ? "?" : content.substr(at + 6, 1));
  }
  EXPECT_EQ(found, (std::vector<std::string>{"1", "3", "4", "5"}));
}

TEST_F(DocumentCopyTest, LinksLeadToTheCopiesOrToNoPage) {
  Insert(-1, 1, 3, false);
  auto saved = Saved();
  std::vector<QPDFObjectHandle> pages = saved->getAllPages();
  ASSERT_EQ(pages.size(), 3u);
  QPDFObjectHandle annotations = pages[0].getKey("/Annots");
  ASSERT_EQ(annotations.getArrayNItems(), 7);
  const auto target = [&](QPDFObjectHandle dest) { return dest.getArrayItem(0); };
  // Forward to a page copied after it, and back from that page.
  EXPECT_EQ(target(annotations.getArrayItem(0).getKey("/Dest")).getObjGen(), pages[2].getObjGen());
  QPDFObjectHandle back = pages[2].getKey("/Annots").getArrayItem(1);
  EXPECT_EQ(target(back.getKey("/Dest")).getObjGen(), pages[0].getObjGen());
  // To a page not copied: no page.
  EXPECT_TRUE(target(annotations.getArrayItem(1).getKey("/Dest")).isNull());
  // Named destinations became explicit ones, to the copy or to no page.
  QPDFObjectHandle toThird = annotations.getArrayItem(2).getKey("/A").getKey("/D");
  ASSERT_TRUE(toThird.isArray());
  EXPECT_EQ(target(toThird).getObjGen(), pages[1].getObjGen());
  EXPECT_EQ(toThird.getArrayItem(1).getName(), "/XYZ");
  QPDFObjectHandle toFirst = annotations.getArrayItem(3).getKey("/Dest");
  ASSERT_TRUE(toFirst.isArray());
  EXPECT_TRUE(target(toFirst).isNull());
  // One action shared by two links stays one.
  QPDFObjectHandle shared = annotations.getArrayItem(4).getKey("/A");
  EXPECT_EQ(shared.getObjGen(), pages[2].getKey("/Annots").getArrayItem(0).getKey("/A").getObjGen());
  EXPECT_EQ(target(shared.getKey("/D")).getObjGen(), pages[1].getObjGen());
  // A pop-up and its note keep each other; every annotation names its own page.
  QPDFObjectHandle text = annotations.getArrayItem(5), popup = annotations.getArrayItem(6);
  EXPECT_EQ(text.getKey("/Popup").getObjGen(), popup.getObjGen());
  EXPECT_EQ(popup.getKey("/Parent").getObjGen(), text.getObjGen());
  for (QPDFObjectHandle annotation : annotations.getArrayAsVector()) {
    EXPECT_EQ(annotation.getKey("/P").getObjGen(), pages[0].getObjGen());
  }
  // The page's opening action leads to a page not copied.
  EXPECT_TRUE(target(pages[1].getKey("/AA").getKey("/O").getKey("/D")).isNull());
}

TEST_F(DocumentCopyTest, TheWholeOutlineComesWithTheFlag) {
  Insert(-1, 1, 3, true);
  // As the plug-in reads it before saving: items leading to pages not copied lead to no page.
  const OutlineIndex& outline = to_->Outline();
  std::vector<int> leadsTo;
  std::vector<uint32_t> toVisit{outline.root()};
  while (!toVisit.empty()) {
    const uint32_t item = toVisit.back();
    toVisit.pop_back();
    if (item != outline.root()) leadsTo.push_back(ItemPage(to_->handles().Object(item)));
    const OutlineNode* node = outline.Node(item);
    if (item != outline.root() && node->next.state == OutlineLinkState::Item) {
      toVisit.push_back(node->next.target);
    }
    if (node->first.state == OutlineLinkState::Item) toVisit.push_back(node->first.target);
  }
  // A, A1, A2 (a name), B (a name in the tree), B1, B2 (a string), C.
  EXPECT_EQ(leadsTo, (std::vector<int>{-1, 0, -1, 1, 2, -1, -1}));
  auto saved = Saved();
  std::string problems;
  EXPECT_EQ(OutlineListing(*saved, &problems), "A-2{A1 A2} B+2{B1 B2} C");
  EXPECT_EQ(problems, "");
  EXPECT_EQ(PageObjectCount(*saved), 3);
}

TEST_F(DocumentCopyTest, NoOutlineWithoutTheFlag) {
  Insert(-1, 0, 6, false);
  EXPECT_FALSE(to_->qpdf().getRoot().hasKey("/Outlines"));
  EXPECT_EQ(to_->Outline().Node(to_->Outline().root())->first.state, OutlineLinkState::Absent);
}

TEST_F(DocumentCopyTest, ASecondInsertionAddsItsOutlineAfterTheFirst) {
  Insert(-1, 0, 2, true);
  Insert(1, 2, 2, true);
  auto saved = Saved();
  std::string problems;
  EXPECT_EQ(OutlineListing(*saved, &problems), "A-2{A1 A2} B+2{B1 B2} C A-2{A1 A2} B+2{B1 B2} C");
  EXPECT_EQ(problems, "");
  EXPECT_EQ(saved->getAllPages().size(), 4u);
}

TEST_F(DocumentCopyTest, TheLayersComeAlongAsTheContentUsesThem) {
  Insert(-1, 1, 1, false);
  EXPECT_FALSE(to_->layers().empty());
  auto saved = Saved();
  QPDFObjectHandle properties = saved->getRoot().getKey("/OCProperties");
  ASSERT_TRUE(properties.isDictionary());
  QPDFObjectHandle page = saved->getAllPages()[0];
  QPDFObjectHandle used = page.getKey("/Resources").getKey("/Properties").getKey("/oc1");
  EXPECT_EQ(properties.getKey("/OCGs").getArrayItem(0).getObjGen(), used.getObjGen());
  EXPECT_EQ(properties.getKey("/D").getKey("/OFF").getArrayItem(0).getObjGen(), used.getObjGen());
}

TEST_F(DocumentCopyTest, TheCopyOutlivesItsSource) {
  Insert(-1, 1, 3, true);
  from_.reset();
  auto saved = Saved();
  ASSERT_EQ(saved->getAllPages().size(), 3u);
  QPDFObjectHandle last = saved->getAllPages()[2];
  EXPECT_NE(PageContent(last).find("(Page 4)"), std::string::npos);
}

TEST_F(DocumentCopyTest, BadRequestsChangeNothing) {
  const auto expectBadParameter = [&](PdfDocument& to, int afterPage, int firstPage, int count) {
    PagesToInsert what;
    what.afterPage = afterPage;
    what.firstPage = firstPage;
    what.count = count;
    what.withOutline = true;
    try {
      InsertPagesFrom(to, *from_, what, nullptr);
      ADD_FAILURE() << afterPage << " " << firstPage << " " << count << " was taken";
    } catch (const core::HostError& e) {
      EXPECT_EQ(e.code(), kHostErrBadParameter);
    }
  };
  expectBadParameter(*from_, -1, 0, 1);  // into itself
  expectBadParameter(*to_, -1, 5, 2);
  expectBadParameter(*to_, -1, -1, 1);
  expectBadParameter(*to_, -1, 0, 0);
  expectBadParameter(*to_, -1, 0, 7);
  expectBadParameter(*to_, 0, 0, 1);  // the new document has no page 0
  expectBadParameter(*to_, -2, 0, 1);
  EXPECT_EQ(to_->PageCount(), 0);
  EXPECT_EQ(to_->revision(), 0u);
  EXPECT_EQ(from_->PageCount(), 6);
}

TEST_F(DocumentCopyTest, AStopBeforeAPageInsertsNothing) {
  PagesToInsert what;
  what.firstPage = 0;
  what.count = 4;
  what.withOutline = true;
  int asked = 0;
  EXPECT_THROW(InsertPagesFrom(*to_, *from_, what,
                               [&] {
                                 if (++asked == 3) throw core::HostError(kHostErrGeneral, "stopped");
                               }),
               core::HostError);
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(to_->PageCount(), 0);
  EXPECT_FALSE(to_->qpdf().getRoot().hasKey("/Outlines"));
  EXPECT_FALSE(to_->qpdf().getRoot().hasKey("/OCProperties"));
  auto saved = Saved();
  EXPECT_EQ(PageObjectCount(*saved), 0);
}

// A long outline is copied with the caller asked now and then (its windows stay
// alive), and a stop asked for during that copy still leaves the target as it was.
TEST_F(DocumentCopyTest, ALongOutlineAsksTheCallerBetweenItems) {
  QPDF pdf;
  pdf.emptyPDF();
  QPDFObjectHandle page = pdf.makeIndirectObject(
      Parsed("<< /Type /Page /MediaBox [0 0 612 792] /Resources << >> >>"));
  QPDFPageDocumentHelper(pdf).addPage(QPDFPageObjectHelper(page), false);
  QPDFObjectHandle root = pdf.makeIndirectObject(Parsed("<< /Type /Outlines >>"));
  pdf.getRoot().replaceKey("/Outlines", root);
  constexpr int kItems = 3 * kItemsBetweenCalls + 10;
  for (int i = 0; i < kItems; ++i) {
    QPDFObjectHandle dest = Parsed("[null /Fit]");
    dest.setArrayItem(0, page);
    Item(pdf, root, "Item " + std::to_string(i), "/Dest", dest);
  }
  const std::string path = WriteTempPdf(pdf, "viewer-copy-long");
  std::unique_ptr<PdfDocument> from = PdfDocument::Open(path);
  std::remove(path.c_str());
  PagesToInsert what;
  what.firstPage = 0;
  what.count = 1;
  what.withOutline = true;

  int asked = 0;
  EXPECT_THROW(InsertPagesFrom(*to_, *from, what,
                               [&] {
                                 if (++asked == 3) throw core::HostError(kHostErrGeneral, "stopped");
                               }),
               core::HostError);
  EXPECT_EQ(asked, 3);  // the page, then twice among the items
  EXPECT_EQ(to_->PageCount(), 0);
  EXPECT_FALSE(to_->qpdf().getRoot().hasKey("/Outlines"));

  asked = 0;
  InsertPagesFrom(*to_, *from, what, [&] { ++asked; });
  EXPECT_EQ(asked, 1 + 3);
  EXPECT_EQ(to_->Outline().itemCount(), static_cast<size_t>(kItems) + 1);  // and the root
}

}  // namespace
}  // namespace viewer::pdf
