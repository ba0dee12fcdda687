// Destinations, actions, layers and handles of a document as the viewer opens it.
#include "pdf/pdf_document.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cstdio>

#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "pdf/actions.h"
#include "pdf/destinations.h"
#include "core/host_error.h"
#include "core/unix_files.h"
#include "temp_pdf.h"
#include "written_files.h"

namespace viewer::pdf {
namespace {

// Builds a document of a few pages; test objects are put into the catalog under
// keys of their own so they can be found again once the document is written and
// opened.
class PdfDocumentTest : public ::testing::Test {
 protected:
  PdfDocumentTest() {
    pdf_.emptyPDF();
    QPDFPageDocumentHelper pages(pdf_);
    for (int i = 0; i < 5; ++i) {
      QPDFObjectHandle page = pdf_.makeIndirectObject(QPDFObjectHandle::parse(
          "<< /Type /Page /MediaBox [0 0 612 792] /Resources << >> >>"));
      pages.addPage(QPDFPageObjectHelper(page), false);
      pages_.push_back(page);
    }
  }
  ~PdfDocumentTest() override {
    if (!path_.empty()) std::remove(path_.c_str());
  }

  QPDFObjectHandle Catalog() { return pdf_.getRoot(); }
  // A destination array to page (0-based) with the given rest, e.g. "/Fit".
  QPDFObjectHandle DestTo(int page, const std::string& rest = "/Fit") {
    QPDFObjectHandle dest = QPDFObjectHandle::parse("[null " + rest + "]");
    dest.setArrayItem(0, pages_[static_cast<size_t>(page)]);
    return dest;
  }
  void Put(const std::string& key, QPDFObjectHandle value) { Catalog().replaceKey(key, value); }
  void PutParsed(const std::string& key, const std::string& text) {
    Put(key, QPDFObjectHandle::parse(text));
  }

  std::unique_ptr<PdfDocument> Open() {
    path_ = WriteTempPdf(pdf_, "viewer-doc");
    return PdfDocument::Open(path_);
  }

  static QPDFObjectHandle Get(PdfDocument& doc, const std::string& key) {
    return doc.qpdf().getRoot().getKey(key);
  }
  static int PageOf(PdfDocument& doc, QPDFObjectHandle dest) {
    DestinationView view;
    return ReadDestination(doc, ResolveDestination(doc, dest), &view) ? view.page : -1;
  }

  QPDF pdf_;
  std::vector<QPDFObjectHandle> pages_;
  std::string path_;
};

TEST_F(PdfDocumentTest, ExplicitDestinationsNameTheirPage) {
  Put("/T1", DestTo(3, "/XYZ 72 700 1.5"));
  PutParsed("/T2", "[2 /FitH 500]");
  PutParsed("/T3", "[9 /Fit]");
  PutParsed("/T4", "[<< /Type /Page >> /Fit]");
  Put("/T5", DestTo(1, "/FitR 10 20 300 400"));
  auto doc = Open();
  DestinationView view;
  ASSERT_TRUE(ReadDestination(*doc, Get(*doc, "/T1"), &view));
  EXPECT_EQ(view.page, 3);
  EXPECT_EQ(view.fit, "XYZ");
  EXPECT_DOUBLE_EQ(view.left, 72);
  EXPECT_DOUBLE_EQ(view.top, 700);
  EXPECT_DOUBLE_EQ(view.zoom, 1.5);
  ASSERT_TRUE(ReadDestination(*doc, Get(*doc, "/T2"), &view));  // a page index
  EXPECT_EQ(view.page, 2);
  EXPECT_EQ(view.fit, "FitH");
  EXPECT_DOUBLE_EQ(view.top, 500);
  EXPECT_FALSE(ReadDestination(*doc, Get(*doc, "/T3"), &view));  // no page 9
  EXPECT_FALSE(ReadDestination(*doc, Get(*doc, "/T4"), &view));  // not one of its pages
  ASSERT_TRUE(ReadDestination(*doc, Get(*doc, "/T5"), &view));
  EXPECT_EQ(view.fit, "FitR");
  EXPECT_DOUBLE_EQ(view.left, 10);
  EXPECT_DOUBLE_EQ(view.bottom, 20);
  EXPECT_DOUBLE_EQ(view.right, 300);
  EXPECT_DOUBLE_EQ(view.top, 400);
}

TEST_F(PdfDocumentTest, NamedDestinationsResolveThroughDestsAndTheNameTree) {
  QPDFObjectHandle dests = QPDFObjectHandle::newDictionary();
  dests.replaceKey("/byName", DestTo(1));
  QPDFObjectHandle wrapped = QPDFObjectHandle::newDictionary();
  wrapped.replaceKey("/D", DestTo(2));
  dests.replaceKey("/wrapped", pdf_.makeIndirectObject(wrapped));
  Put("/Dests", pdf_.makeIndirectObject(dests));

  QPDFObjectHandle leaf = QPDFObjectHandle::parse("<< /Limits [(chap.1) (chap.2)] /Names [] >>");
  QPDFObjectHandle names = leaf.getKey("/Names");
  names.appendItem(QPDFObjectHandle::newString("chap.1"));
  QPDFObjectHandle latex = QPDFObjectHandle::newDictionary();  // as LaTeX writes them
  latex.replaceKey("/D", DestTo(3, "/XYZ 0 800 null"));
  names.appendItem(pdf_.makeIndirectObject(latex));
  names.appendItem(QPDFObjectHandle::newString("chap.2"));
  names.appendItem(DestTo(4));
  QPDFObjectHandle tree = QPDFObjectHandle::parse("<< /Kids [] >>");
  tree.getKey("/Kids").appendItem(pdf_.makeIndirectObject(leaf));
  QPDFObjectHandle nameDict = QPDFObjectHandle::newDictionary();
  nameDict.replaceKey("/Dests", pdf_.makeIndirectObject(tree));
  Put("/Names", nameDict);

  PutParsed("/T1", "/byName");
  PutParsed("/T2", "/wrapped");
  PutParsed("/T3", "(chap.1)");
  PutParsed("/T4", "(chap.2)");
  PutParsed("/T5", "/chap.2");   // a name found in the tree
  PutParsed("/T6", "(byName)");  // a string found in /Dests
  PutParsed("/T7", "(nowhere)");
  PutParsed("/T8", "42");
  auto doc = Open();
  EXPECT_EQ(PageOf(*doc, Get(*doc, "/T1")), 1);
  EXPECT_EQ(PageOf(*doc, Get(*doc, "/T2")), 2);
  EXPECT_EQ(PageOf(*doc, Get(*doc, "/T3")), 3);
  EXPECT_EQ(PageOf(*doc, Get(*doc, "/T4")), 4);
  EXPECT_EQ(PageOf(*doc, Get(*doc, "/T5")), 4);
  EXPECT_EQ(PageOf(*doc, Get(*doc, "/T6")), 1);
  EXPECT_TRUE(ResolveDestination(*doc, Get(*doc, "/T7")).isNull());
  EXPECT_TRUE(ResolveDestination(*doc, Get(*doc, "/T8")).isNull());
}

TEST_F(PdfDocumentTest, ANameStandingForItselfIsUnresolvable) {
  QPDFObjectHandle dests = QPDFObjectHandle::newDictionary();
  dests.replaceKey("/self", QPDFObjectHandle::newName("/self"));
  Put("/Dests", dests);
  PutParsed("/T1", "/self");
  auto doc = Open();
  EXPECT_TRUE(ResolveDestination(*doc, Get(*doc, "/T1")).isNull());
}

TEST_F(PdfDocumentTest, OutlineItemActions) {
  QPDFObjectHandle withAction = QPDFObjectHandle::parse("<< /A << /S /URI /URI (x) >> >>");
  QPDFObjectHandle withDest = QPDFObjectHandle::newDictionary();
  withDest.replaceKey("/Dest", DestTo(2));
  Put("/T1", withAction);
  Put("/T2", withDest);
  PutParsed("/T3", "<< /Title (none) >>");
  PutParsed("/T4", "<< /A 5 /Dest [0 /Fit] >>");
  auto doc = Open();
  EXPECT_EQ(ActionType(OutlineItemAction(Get(*doc, "/T1"))), "URI");
  QPDFObjectHandle goTo = OutlineItemAction(Get(*doc, "/T2"));
  EXPECT_TRUE(IsAction(goTo));
  EXPECT_EQ(ActionType(goTo), "GoTo");
  EXPECT_EQ(PageOf(*doc, ChainDestination(goTo)), 2);
  EXPECT_TRUE(OutlineItemAction(Get(*doc, "/T3")).isNull());
  EXPECT_EQ(ActionType(OutlineItemAction(Get(*doc, "/T4"))), "GoTo");
  EXPECT_FALSE(IsAction(QPDFObjectHandle::parse("<< /D [0 /Fit] >>")));
}

TEST_F(PdfDocumentTest, AChainGivesItsFirstGoTo) {
  QPDFObjectHandle second = QPDFObjectHandle::newDictionary();
  second.replaceKey("/S", QPDFObjectHandle::newName("/GoTo"));
  second.replaceKey("/D", DestTo(4));
  QPDFObjectHandle third = QPDFObjectHandle::newDictionary();
  third.replaceKey("/S", QPDFObjectHandle::newName("/GoTo"));
  third.replaceKey("/D", DestTo(1));
  QPDFObjectHandle first = pdf_.makeIndirectObject(
      QPDFObjectHandle::parse("<< /S /SetOCGState /State [] /Next [] >>"));
  QPDFObjectHandle next = first.getKey("/Next");
  next.appendItem(QPDFObjectHandle::parse("<< /S /URI /URI (x) >>"));
  next.appendItem(second);
  next.appendItem(third);
  third.replaceKey("/Next", first);  // a loop back to the start
  Put("/T1", first);
  auto doc = Open();
  QPDFObjectHandle chain = Get(*doc, "/T1");
  EXPECT_EQ(PageOf(*doc, ChainDestination(chain)), 4);
  std::vector<std::string> types;
  ForEachChainedAction(chain, [&](QPDFObjectHandle action) {
    types.push_back(ActionType(action));
    return true;
  });
  EXPECT_EQ(types, (std::vector<std::string>{"SetOCGState", "URI", "GoTo", "GoTo"}));
  // Performing it ends on the last GoTo.
  EXPECT_EQ(RunActionChain(*doc, chain, 0).page, 1);
  EXPECT_TRUE(ChainDestination(QPDFObjectHandle::parse("<< /S /URI >>")).isNull());
}

TEST_F(PdfDocumentTest, NamedActionsMoveThePage) {
  PutParsed("/T1", "<< /S /Named /N /NextPage /Next << /S /Named /N /NextPage >> >>");
  PutParsed("/T2", "<< /S /Named /N /LastPage >>");
  auto doc = Open();
  EXPECT_EQ(RunActionChain(*doc, Get(*doc, "/T1"), 1).page, 3);
  EXPECT_EQ(RunActionChain(*doc, Get(*doc, "/T2"), 0).page, 4);
}

class LayeredDocumentTest : public PdfDocumentTest {
 protected:
  LayeredDocumentTest() {
    for (const char* name : {"Base", "Red", "Blue", "Notes"}) {
      QPDFObjectHandle ocg = QPDFObjectHandle::parse("<< /Type /OCG >>");
      ocg.replaceKey("/Name", QPDFObjectHandle::newUnicodeString(name));
      groups_.push_back(pdf_.makeIndirectObject(ocg));
    }
    QPDFObjectHandle properties = QPDFObjectHandle::parse(
        "<< /OCGs [] /D << /BaseState /ON /OFF [] /RBGroups [[]] >> >>");
    for (auto& group : groups_) properties.getKey("/OCGs").appendItem(group);
    properties.getKey("/D").getKey("/OFF").appendItem(groups_[2]);  // Blue
    properties.getKey("/D").getKey("/OFF").appendItem(groups_[3]);  // Notes
    QPDFObjectHandle radio = properties.getKey("/D").getKey("/RBGroups").getArrayItem(0);
    radio.appendItem(groups_[1]);
    radio.appendItem(groups_[2]);
    Put("/OCProperties", properties);
  }

  // A SetOCGState action: words are /ON, /OFF, /Toggle or a group's index.
  QPDFObjectHandle SetState(const std::vector<std::string>& words, bool preserveRB = true) {
    QPDFObjectHandle action = QPDFObjectHandle::parse("<< /S /SetOCGState /State [] >>");
    for (const std::string& word : words) {
      action.getKey("/State").appendItem(word[0] == '/' ? QPDFObjectHandle::newName(word)
                                                        : groups_[std::stoul(word)]);
    }
    if (!preserveRB) action.replaceKey("/PreserveRB", QPDFObjectHandle::newBool(false));
    return action;
  }

  std::vector<QPDFObjectHandle> groups_;
};

using Names = std::vector<std::string>;

TEST_F(LayeredDocumentTest, StartsFromTheDefaultConfiguration) {
  auto doc = Open();
  EXPECT_EQ(doc->layers().VisibleNames(), (Names{"Base", "Red"}));
  EXPECT_FALSE(doc->layers().ChangedFromDefault());
  EXPECT_TRUE(doc->DisplayedAsStored());
}

TEST_F(LayeredDocumentTest, SetOcgStateTurnsTogglesAndKeepsRadioButtons) {
  Put("/T1", SetState({"/ON", "3", "/OFF", "0"}));
  Put("/T2", SetState({"/ON", "2"}));            // Blue on turns Red off
  Put("/T3", SetState({"/Toggle", "1", "3"}));   // Red on (Blue off), Notes off
  Put("/T4", SetState({"/ON", "2"}, false));     // both of the set on
  auto doc = Open();
  const unsigned before = doc->displayRevision();
  EXPECT_TRUE(RunActionChain(*doc, Get(*doc, "/T1"), 0).layersChanged);
  EXPECT_EQ(doc->layers().VisibleNames(), (Names{"Red", "Notes"}));
  EXPECT_GT(doc->displayRevision(), before);
  EXPECT_FALSE(doc->DisplayedAsStored());
  RunActionChain(*doc, Get(*doc, "/T2"), 0);
  EXPECT_EQ(doc->layers().VisibleNames(), (Names{"Blue", "Notes"}));
  RunActionChain(*doc, Get(*doc, "/T3"), 0);
  EXPECT_EQ(doc->layers().VisibleNames(), (Names{"Red"}));
  RunActionChain(*doc, Get(*doc, "/T4"), 0);
  EXPECT_EQ(doc->layers().VisibleNames(), (Names{"Red", "Blue"}));
  // Nothing changes: no new revision.
  const unsigned now = doc->displayRevision();
  EXPECT_FALSE(RunActionChain(*doc, Get(*doc, "/T4"), 0).layersChanged);
  EXPECT_EQ(doc->displayRevision(), now);
}

TEST_F(LayeredDocumentTest, TheDisplayCopyCarriesTheLayersShownAndTheDocumentKeepsItsOwn) {
  Put("/T1", SetState({"/OFF", "0", "/ON", "3"}));
  auto doc = Open();
  RunActionChain(*doc, Get(*doc, "/T1"), 0);
  const std::string bytes = doc->WriteForDisplay();
  QPDF copy;
  copy.processMemoryFile("display", bytes.data(), bytes.size());
  QPDFObjectHandle config = copy.getRoot().getKey("/OCProperties").getKey("/D");
  Names on, off;
  for (QPDFObjectHandle group : config.getKey("/ON").aitems()) on.push_back(group.getKey("/Name").getUTF8Value());
  for (QPDFObjectHandle group : config.getKey("/OFF").aitems()) off.push_back(group.getKey("/Name").getUTF8Value());
  EXPECT_EQ(on, (Names{"Red", "Notes"}));
  EXPECT_EQ(off, (Names{"Base", "Blue"}));
  EXPECT_TRUE(config.getKey("/RBGroups").isArray());
  // The document itself still has its own default configuration.
  QPDFObjectHandle own = Get(*doc, "/OCProperties").getKey("/D");
  EXPECT_FALSE(own.hasKey("/ON"));
  EXPECT_EQ(own.getKey("/OFF").getArrayNItems(), 2);
}

TEST_F(PdfDocumentTest, HandlesLeadBackToTheirDocumentAndObject) {
  Put("/T1", pdf_.makeIndirectObject(QPDFObjectHandle::parse("<< /S /URI >>")));
  auto doc = Open();
  QPDFObjectHandle action = Get(*doc, "/T1");
  const PDObjectRef first = doc->handles().Of(action, kFromDocument, HandleLink::Action);
  const PDObjectRef again = doc->handles().Of(action, 3, HandleLink::Destination);
  EXPECT_EQ(first.id, again.id);  // one object, one handle
  EXPECT_EQ(first.gen, again.gen);
  HandleTarget target;
  ASSERT_TRUE(ResolveHandle(first, &target));
  EXPECT_EQ(target.doc, doc.get());
  EXPECT_EQ(ActionType(target.object), "URI");
  EXPECT_FALSE(ResolveHandle(PDObjectRef{0, 0}, &target));
  EXPECT_FALSE(ResolveHandle(PDObjectRef{first.id, first.gen + 1}, &target));
  // Direct objects: one handle per place they were found.
  QPDFObjectHandle direct = QPDFObjectHandle::parse("[1 /Fit]");
  const PDObjectRef a = doc->handles().Of(direct, 0, HandleLink::Destination);
  const PDObjectRef b = doc->handles().Of(QPDFObjectHandle::parse("[1 /Fit]"), 0, HandleLink::Destination);
  const PDObjectRef c = doc->handles().Of(direct, 1, HandleLink::Destination);
  EXPECT_EQ(a.id, b.id);
  EXPECT_NE(a.id, c.id);
  doc.reset();
  EXPECT_FALSE(ResolveHandle(first, &target));  // its document is closed
}

TEST_F(PdfDocumentTest, TwoDocumentsKeepTheirHandlesApart) {
  auto one = Open();
  auto two = PdfDocument::Open(path_);
  const PDObjectRef inOne = one->handles().Of(Get(*one, "/Pages"), kFromDocument, HandleLink::Action);
  const PDObjectRef inTwo = two->handles().Of(Get(*two, "/Pages"), kFromDocument, HandleLink::Action);
  EXPECT_NE(inOne.id, inTwo.id);
  HandleTarget target;
  ASSERT_TRUE(ResolveHandle(inTwo, &target));
  EXPECT_EQ(target.doc, two.get());
  EXPECT_FALSE(two->handles().Find(inOne, &target.index));
}

TEST_F(PdfDocumentTest, PagesAreFoundByTheirObject) {
  auto doc = Open();
  const auto& pages = doc->qpdf().getAllPages();
  EXPECT_EQ(doc->PageIndexOf(pages[0]), 0);
  EXPECT_EQ(doc->PageIndexOf(pages[4]), 4);
  EXPECT_EQ(doc->PageIndexOf(Get(*doc, "/Pages")), -1);
  EXPECT_EQ(doc->PageIndexOf(QPDFObjectHandle::parse("<< /Type /Page >>")), -1);
}

TEST_F(PdfDocumentTest, AnUnencryptedDocumentAllowsEverything) {
  auto doc = Open();
  const PDPerms perms = doc->Permissions();
  for (PDPerms bit : {kPermOpen, kPermPrint, pdPermEdit, kPermCopy, kPermEditNotes, kPermSaveAs}) {
    EXPECT_EQ(perms & bit, bit) << bit;
  }
  EXPECT_EQ(perms & kPermSecure, 0);
}

TEST_F(PdfDocumentTest, AnEncryptedDocumentWithoutTheModifyRightLacksIt) {
  path_ = TempPath("viewer-doc-locked");
  QPDFWriter writer(pdf_, path_.c_str());
  // Opens without a password; everything is allowed except modifying.
  writer.setR6EncryptionParameters("", "owner", true, true, true, true, true, false,
                                   qpdf_r3p_full, true);
  writer.write();
  auto doc = PdfDocument::Open(path_);
  const PDPerms perms = doc->Permissions();
  EXPECT_EQ(perms & pdPermEdit, 0);
  EXPECT_EQ(perms & kPermPrint, kPermPrint);
  EXPECT_EQ(perms & kPermSecure, kPermSecure);
}

TEST_F(PdfDocumentTest, TheOutlineIsCheckedOncePerRevision) {
  QPDFObjectHandle outlines = pdf_.makeIndirectObject(QPDFObjectHandle::parse("<< >>"));
  QPDFObjectHandle item = pdf_.makeIndirectObject(QPDFObjectHandle::parse("<< /Title (A) >>"));
  outlines.replaceKey("/First", item);
  Put("/Outlines", outlines);
  auto doc = Open();
  const OutlineIndex* first = &doc->Outline();
  EXPECT_EQ(first->itemCount(), 2u);
  // Another link appears: only a new revision sees it.
  QPDFObjectHandle docItem = Get(*doc, "/Outlines").getKey("/First");
  docItem.replaceKey("/Next", QPDFObjectHandle::parse("<< /Title (B) >>"));
  EXPECT_EQ(doc->Outline().itemCount(), 2u);
  doc->MarkChanged();
  EXPECT_EQ(doc->Outline().itemCount(), 3u);
}

TEST_F(PdfDocumentTest, ReadingAheadGoesInSlicesAndChangesNothing) {
  for (int i = 0; i < 80; ++i) {
    Put("/Extra" + std::to_string(i),
        pdf_.makeIndirectObject(QPDFObjectHandle::parse("<< /N " + std::to_string(i) + " >>")));
  }
  auto doc = Open();
  // A slice of no time still reads a few objects: it ends, but not at once.
  int slices = 0;
  while (!doc->ReadAhead(0)) ASSERT_LT(++slices, 1000);
  EXPECT_GE(slices, 3);
  EXPECT_TRUE(doc->ReadAhead(0));
  EXPECT_EQ(doc->PageCount(), 5);
  EXPECT_EQ(Get(*doc, "/Extra79").getKey("/N").getIntValue(), 79);
  // A new object after reading ahead takes a number nothing else has.
  QPDFObjectHandle added = doc->qpdf().makeIndirectObject(QPDFObjectHandle::parse("<< /New true >>"));
  doc->qpdf().getRoot().replaceKey("/Added", added);
  doc->SaveAs(path_ + ".saved");
  QPDF saved;
  saved.processFile((path_ + ".saved").c_str());
  std::remove((path_ + ".saved").c_str());
  EXPECT_TRUE(saved.getRoot().getKey("/Added").getKey("/New").getBoolValue());
  for (int i : {0, 40, 79}) {
    EXPECT_EQ(saved.getRoot().getKey("/Extra" + std::to_string(i)).getKey("/N").getIntValue(), i);
  }
}

// A save that fills the disk, over another file or over the document's own, leaves
// that file as it was and is reported; a save that fits replaces it whole.
TEST_F(PdfDocumentTest, ASaveThatFillsTheDiskLeavesTheFileAsItWas) {
  for (int i = 0; i < 40; ++i) {
    Put("/Filler" + std::to_string(i), QPDFObjectHandle::newString(std::string(200, 'f')));
  }
  auto doc = Open();
  const std::string other = path_ + ".other";
  const std::string previous = "%PDF-1.4 an earlier save\n";
  std::FILE* file = std::fopen(other.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fputs(previous.c_str(), file);
  std::fclose(file);
  const std::string own = FileBytes(path_);
  {
    const FileSizeLimit disk(4096);
    EXPECT_THROW(doc->SaveAs(other), core::HostError);
    EXPECT_THROW(doc->SaveAs(path_), core::HostError);
  }
  EXPECT_EQ(FileBytes(other), previous);
  EXPECT_EQ(FileBytes(path_), own);
  const std::string folder = core::FolderOf(path_);
  for (const std::string& name : FolderEntries(folder)) {
    EXPECT_EQ(name.find(core::FileNameOf(path_) + ".~"), std::string::npos) << name << " was left";
  }
  doc->SaveAs(other);
  QPDF saved;
  saved.processFile(other.c_str());
  std::remove(other.c_str());
  EXPECT_EQ(saved.getAllPages().size(), 5u);
}

TEST_F(PdfDocumentTest, ReadingAheadADamagedFileReadsWhatItCan) {
  for (int i = 0; i < 40; ++i) {
    Put("/Extra" + std::to_string(i),
        pdf_.makeIndirectObject(QPDFObjectHandle::parse("<< /N " + std::to_string(i) + " >>")));
  }
  auto doc = Open();
  doc.reset();
  // One object's bytes garbled where the table says it is, without moving anything.
  std::FILE* file = std::fopen(path_.c_str(), "r+b");
  ASSERT_NE(file, nullptr);
  std::string bytes(1 << 16, '\0');
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
  const size_t at = bytes.find("/N 17 >>");
  ASSERT_NE(at, std::string::npos);
  std::fseek(file, static_cast<long>(at), SEEK_SET);
  std::fputs(")( 17 ]]", file);
  std::fclose(file);
  doc = PdfDocument::Open(path_);
  int slices = 0;
  while (!doc->ReadAhead(5)) ASSERT_LT(++slices, 1000);
  EXPECT_EQ(doc->PageCount(), 5);
  EXPECT_EQ(Get(*doc, "/Extra18").getKey("/N").getIntValue(), 18);
}

// Page boxes as corners: llx, lly, urx, ury.
using Corners = std::array<double, 4>;
Corners CornersOf(const PageBox& box) { return {box.llx, box.lly, box.urx, box.ury}; }

class PageBoxTest : public PdfDocumentTest {
 protected:
  QPDFObjectHandle Tree() { return Catalog().getKey("/Pages"); }
  void SetBox(QPDFObjectHandle node, const std::string& key, const std::string& box) {
    node.replaceKey(key, QPDFObjectHandle::parse(box));
  }
  // Moves the last two pages under a page tree node of their own, below the root.
  QPDFObjectHandle NestLastTwoPages() {
    QPDFObjectHandle node = pdf_.makeIndirectObject(
        QPDFObjectHandle::parse("<< /Type /Pages /Kids [] /Count 2 >>"));
    node.replaceKey("/Parent", Tree());
    QPDFObjectHandle kids = QPDFObjectHandle::newArray();
    for (size_t i = 0; i < 3; ++i) kids.appendItem(pages_[i]);
    kids.appendItem(node);
    for (size_t i = 3; i < 5; ++i) {
      node.getKey("/Kids").appendItem(pages_[i]);
      pages_[i].replaceKey("/Parent", node);
    }
    Tree().replaceKey("/Kids", kids);
    return node;
  }
  // Whether page (0-based) of the opened document has an entry of its own.
  static bool OwnEntry(PdfDocument& doc, int page, const std::string& key) {
    QPDFObjectHandle object = doc.qpdf().getAllPages()[static_cast<size_t>(page)];
    return object.hasKey(key);
  }
};

TEST_F(PageBoxTest, TheMediaBoxIsInheritedFromTheNearestPageTreeNode) {
  SetBox(Tree(), "/MediaBox", "[0 0 595 842]");
  SetBox(NestLastTwoPages(), "/MediaBox", "[0 0 1191 842]");
  for (size_t i : {1, 2, 3}) pages_[i].removeKey("/MediaBox");
  auto doc = Open();
  ASSERT_FALSE(OwnEntry(*doc, 1, "/MediaBox"));  // still inherited once written
  ASSERT_FALSE(OwnEntry(*doc, 3, "/MediaBox"));
  EXPECT_EQ(CornersOf(doc->MediaBox(0)), (Corners{0, 0, 612, 792}));  // its own
  EXPECT_EQ(CornersOf(doc->MediaBox(1)), (Corners{0, 0, 595, 842}));
  EXPECT_EQ(CornersOf(doc->MediaBox(2)), (Corners{0, 0, 595, 842}));
  EXPECT_EQ(CornersOf(doc->MediaBox(3)), (Corners{0, 0, 1191, 842}));
  EXPECT_EQ(CornersOf(doc->MediaBox(4)), (Corners{0, 0, 612, 792}));
  // Without a crop box the crop box is the media box, inherited or not.
  EXPECT_EQ(CornersOf(doc->CropBox(1)), (Corners{0, 0, 595, 842}));
  EXPECT_EQ(CornersOf(doc->CropBox(3)), (Corners{0, 0, 1191, 842}));
}

TEST_F(PageBoxTest, AMissingCropBoxIsTheMediaBox) {
  SetBox(pages_[0], "/MediaBox", "[10 20 410 620]");
  auto doc = Open();
  ASSERT_FALSE(OwnEntry(*doc, 0, "/CropBox"));
  EXPECT_EQ(CornersOf(doc->CropBox(0)), (Corners{10, 20, 410, 620}));
}

TEST_F(PageBoxTest, TheCropBoxIsInheritedAndClippedToThePagesOwnMediaBox) {
  SetBox(Tree(), "/CropBox", "[36 36 576 756]");
  SetBox(pages_[1], "/MediaBox", "[0 0 300 400]");
  auto doc = Open();
  EXPECT_EQ(CornersOf(doc->CropBox(0)), (Corners{36, 36, 576, 756}));
  EXPECT_EQ(CornersOf(doc->CropBox(1)), (Corners{36, 36, 300, 400}));
}

TEST_F(PageBoxTest, ACropBoxLargerThanTheMediaBoxIsClippedToIt) {
  SetBox(pages_[0], "/CropBox", "[-50 -50 700 800]");
  SetBox(pages_[1], "/CropBox", "[100 100 700 900]");
  SetBox(pages_[2], "/CropBox", "[-10 50 200 1000]");
  auto doc = Open();
  EXPECT_EQ(CornersOf(doc->CropBox(0)), (Corners{0, 0, 612, 792}));
  EXPECT_EQ(CornersOf(doc->CropBox(1)), (Corners{100, 100, 612, 792}));
  EXPECT_EQ(CornersOf(doc->CropBox(2)), (Corners{0, 50, 200, 792}));
  EXPECT_EQ(CornersOf(doc->MediaBox(0)), (Corners{0, 0, 612, 792}));  // untouched
}

TEST_F(PageBoxTest, ACropBoxOutsideTheMediaBoxGivesTheMediaBox) {
  SetBox(pages_[0], "/CropBox", "[700 800 900 1000]");
  SetBox(pages_[1], "/CropBox", "[612 0 700 792]");  // touching along an edge only
  SetBox(pages_[2], "/CropBox", "[-100 -100 -1 -1]");
  auto doc = Open();
  for (int i : {0, 1, 2}) EXPECT_EQ(CornersOf(doc->CropBox(i)), (Corners{0, 0, 612, 792})) << i;
}

TEST_F(PageBoxTest, ReversedCornersAreNormalised) {
  SetBox(pages_[0], "/MediaBox", "[612 792 0 0]");
  SetBox(pages_[0], "/CropBox", "[500 400 100 50]");
  SetBox(pages_[1], "/MediaBox", "[0 842 595 0]");
  auto doc = Open();
  EXPECT_EQ(CornersOf(doc->MediaBox(0)), (Corners{0, 0, 612, 792}));
  EXPECT_EQ(CornersOf(doc->CropBox(0)), (Corners{100, 50, 500, 400}));
  EXPECT_EQ(CornersOf(doc->MediaBox(1)), (Corners{0, 0, 595, 842}));
  EXPECT_EQ(CornersOf(doc->CropBox(1)), (Corners{0, 0, 595, 842}));
}

TEST_F(PageBoxTest, AMissingOrUnusableMediaBoxIsUsLetter) {
  for (auto& page : pages_) page.removeKey("/MediaBox");
  SetBox(pages_[1], "/MediaBox", "[0 0 612]");
  SetBox(pages_[2], "/MediaBox", "[0 0 0 842]");  // no area
  SetBox(pages_[3], "/MediaBox", "[0 0 (595) 842]");
  SetBox(pages_[4], "/MediaBox", "/A4");
  auto doc = Open();
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(CornersOf(doc->MediaBox(i)), (Corners{0, 0, 612, 792})) << i;
    EXPECT_EQ(CornersOf(doc->CropBox(i)), (Corners{0, 0, 612, 792})) << i;
  }
}

TEST_F(PageBoxTest, AnUnusableEntryLetsTheInheritedBoxShowThrough) {
  SetBox(Tree(), "/MediaBox", "[0 0 595 842]");
  SetBox(Tree(), "/CropBox", "[20 20 400 500]");
  SetBox(pages_[0], "/MediaBox", "[0 0 0 0]");
  SetBox(pages_[0], "/CropBox", "[10 10 10 300]");
  SetBox(pages_[1], "/CropBox", "[1 2 3]");
  auto doc = Open();
  EXPECT_EQ(CornersOf(doc->MediaBox(0)), (Corners{0, 0, 595, 842}));
  EXPECT_EQ(CornersOf(doc->CropBox(0)), (Corners{20, 20, 400, 500}));
  EXPECT_EQ(CornersOf(doc->CropBox(1)), (Corners{20, 20, 400, 500}));
}

TEST_F(PageBoxTest, AnUnusableCropBoxWithNothingToInheritIsTheMediaBox) {
  SetBox(pages_[0], "/CropBox", "[0 0 0 0]");
  SetBox(pages_[1], "/CropBox", "[0 0 612 null]");
  SetBox(pages_[2], "/CropBox", "<< >>");
  auto doc = Open();
  for (int i : {0, 1, 2}) EXPECT_EQ(CornersOf(doc->CropBox(i)), (Corners{0, 0, 612, 792})) << i;
}

TEST_F(PageBoxTest, AParentLoopEndsTheWalk) {
  QPDFObjectHandle node = NestLastTwoPages();
  node.replaceKey("/Parent", node);  // broken: the node is its own parent
  pages_[3].removeKey("/MediaBox");
  SetBox(Tree(), "/MediaBox", "[0 0 595 842]");
  auto doc = Open();
  ASSERT_EQ(doc->PageCount(), 5);
  EXPECT_EQ(CornersOf(doc->MediaBox(3)), (Corners{0, 0, 612, 792}));
}

}  // namespace
}  // namespace viewer::pdf
