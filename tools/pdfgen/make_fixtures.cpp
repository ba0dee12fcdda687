// Writes the documents the end-to-end tests open: outlines of every shape the
// bookmark tree must show, and outlines broken in the ways real files are.
//   make-fixtures OUTDIR
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdio>
#include <exception>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "damaged_documents.h"
#include "pdf_builder.h"

namespace {

using pdfgen::Bookmark;
using pdfgen::DocumentSpec;
using pdfgen::Item;
using pdfgen::Keyed;
using pdfgen::OutlineItem;
using pdfgen::Target;
using pdfgen::WrittenOutline;

DocumentSpec Pages(int count) {
  DocumentSpec doc;
  pdfgen::AddPlainPages(doc, count);
  return doc;
}

OutlineItem WithBytes(OutlineItem item, const std::string& bytes) {
  item.titleBytes = bytes;
  return item;
}

OutlineItem WithTitleObject(OutlineItem item, const std::string& object) {
  item.titleObject = object;
  return item;
}

// A title of exactly length bytes: the lead text, then "0123456789" over and over.
std::string LongTitle(const std::string& lead, size_t length) {
  std::string title = lead;
  for (size_t i = 0; title.size() < length; ++i) title += static_cast<char>('0' + i % 10);
  title.resize(length);
  return title;
}

DocumentSpec NoOutline() { return Pages(12); }

DocumentSpec EmptyOutline() {
  DocumentSpec doc = Pages(12);
  doc.emptyOutlineRoot = true;
  return doc;
}

DocumentSpec ThreeTopLevel() {
  DocumentSpec doc = Pages(12);
  doc.outline = {Bookmark("Chapter One", 1), Bookmark("Chapter Two", 5),
                 Bookmark("Chapter Three", 9)};
  return doc;
}

DocumentSpec LastOnLastPage() {
  DocumentSpec doc = Pages(12);
  doc.outline = {Bookmark("Opening", 1), Bookmark("Middle", 5), Bookmark("Closing Page", 12)};
  return doc;
}

DocumentSpec SamePageChild() {
  DocumentSpec doc = Pages(12);
  doc.outline = {
      Bookmark("Part One", 1, Target::DestArray,
               {Bookmark("Overview", 3), Bookmark("Details", 3), Bookmark("Summary", 6)}),
      Bookmark("Part Two", 6, Target::DestArray, {Bookmark("Start", 6)}),
      Bookmark("Part Three", 9),
  };
  return doc;
}

DocumentSpec OutOfOrder() {
  DocumentSpec doc = Pages(12);
  doc.outline = {
      Bookmark("Late", 9),
      Bookmark("Early", 2),
      Bookmark("Middle", 5, Target::DestArray, {Bookmark("Back", 3), Bookmark("Forward", 7)}),
  };
  return doc;
}

// A parent that begins after its children, and a child on its parent's page.
DocumentSpec ParentAfterChildren() {
  DocumentSpec doc = Pages(10);
  doc.outline = {
      Bookmark("Intro", 1),
      Bookmark("Summary", 8, Target::DestArray,
               {Bookmark("Detail A", 3), Bookmark("Detail B", 5), Bookmark("Detail C", 8)}),
  };
  return doc;
}

DocumentSpec UnicodeTitles() {
  DocumentSpec doc = Pages(20);
  doc.outline = {
      WithBytes(Bookmark("", 1), pdfgen::Utf16Title("Unicode Title")),
      WithBytes(Bookmark("", 3), pdfgen::Utf16Title("Grüße aus Köln")),
      WithBytes(Bookmark("", 5), pdfgen::Utf16Title("Pages 1–4")),
      WithBytes(Bookmark("", 7), pdfgen::Utf16Title("–Dash first")),
      // Greek and a character beyond U+FFFF (a surrogate pair) have no Windows-1252 form.
      WithBytes(Bookmark("", 9), pdfgen::Utf16Title("Ελληνικά and English \U0001F600")),
      Bookmark("Plain after Unicode", 11),
      // UTF-16LE, and UTF-8 with its byte-order mark (PDF 2.0).
      WithBytes(Bookmark("", 13), std::string("\xFF\xFE" "C\0a\0f\0\xE9\0", 10)),
      WithBytes(Bookmark("", 15), "\xEF\xBB\xBF" "Pr\xC3\xA9requis \xE2\x80\x9Cquoted\xE2\x80\x9D"),
      // A line break inside, and PDFDocEncoding's own em dash (0x84) and trade mark (0x92).
      WithBytes(Bookmark("", 17), pdfgen::Utf16Title("Two\r\nlines")),
      WithBytes(Bookmark("", 19), "Tessaly\x92 \x84 PDFDoc"),
  };
  return doc;
}

DocumentSpec TitleLastByte() {
  DocumentSpec doc = Pages(12);
  doc.outline = {
      WithBytes(Bookmark("", 1), "Ends in a carriage return\r"),
      WithBytes(Bookmark("", 3), "Ends in a tab\t"),
      WithBytes(Bookmark("", 5), "Ends in byte 14\x0E"),
      WithBytes(Bookmark("", 7), "Caf\xE9"),
      WithBytes(Bookmark("", 9), "Ends in byte 255\xFF"),
      Bookmark("Ends in a letter", 11),
  };
  return doc;
}

DocumentSpec Unresolvable() {
  DocumentSpec doc = Pages(12);
  doc.outline = {
      Bookmark("Resolved", 3),
      Bookmark("Name nobody defines", 9, Target::MissingName),
      Bookmark("After the missing name", 5),
      Bookmark("Go-to without destination", 7, Target::GoToWithoutDest),
      Bookmark("Web link", 9, Target::UriAction),
      Bookmark("Last resolved", 10),
  };
  return doc;
}

DocumentSpec InvalidAction() {
  DocumentSpec doc = Pages(12);
  doc.outline = {
      Bookmark("Alpha", 1),
      Bookmark("Skipped without action", 4, Target::NoAction,
               {Bookmark("Kept child one", 5),
                Bookmark("Kept child two", 7, Target::DestArray,
                         {Bookmark("Kept grandchild", 8)})}),
      Bookmark("Gamma", 9, Target::DestArray,
               {Bookmark("Skipped not a dictionary", 9, Target::ActionNotDict,
                         {Bookmark("Kept under Gamma", 10)})}),
      Bookmark("Delta", 12),
  };
  return doc;
}

DocumentSpec NamedDestinations() {
  DocumentSpec doc = Pages(12);
  doc.outline = {
      Bookmark("Dests array", 2, Target::DestsName),
      Bookmark("Dests dictionary", 4, Target::DestsNameDict),
      Bookmark("Names tree array", 6, Target::NamesTree),
      Bookmark("Names tree dictionary", 8, Target::NamesTreeDict),
      Bookmark("Names tree second leaf", 10, Target::NamesTreeDict),
      Bookmark("Dest string", 11, Target::DestString),
  };
  return doc;
}

// A loop in /Next among the children of the first item, and one among the top items.
DocumentSpec DamagedNextLoop() {
  DocumentSpec doc = Pages(12);
  doc.outline = {
      Bookmark("First", 1, Target::DestArray,
               {Keyed(Bookmark("First child", 2), "child1"),
                Keyed(Bookmark("Second child", 3), "child2")}),
      Keyed(Bookmark("Second", 5), "second"),
      Keyed(Bookmark("Third", 9), "third"),
  };
  doc.damage = [](WrittenOutline& written) {
    Item(written, "child2").replaceKey("/Next", Item(written, "child1"));
    Item(written, "third").replaceKey("/Next", Item(written, "second"));
  };
  return doc;
}

// A /First that leads back up to its parent.
DocumentSpec DamagedFirstLoop() {
  DocumentSpec doc = Pages(12);
  doc.outline = {
      Keyed(Bookmark("Outer", 1, Target::DestArray, {Keyed(Bookmark("Inner", 2), "inner")}),
            "outer"),
      Bookmark("After the loop", 5),
  };
  doc.damage = [](WrittenOutline& written) {
    QPDFObjectHandle& inner = Item(written, "inner");
    inner.replaceKey("/First", Item(written, "outer"));
    inner.replaceKey("/Last", Item(written, "outer"));
    inner.replaceKey("/Count", QPDFObjectHandle::newInteger(-1));
  };
  return doc;
}

// A /First that is a number, and a /Next that is a string.
DocumentSpec DamagedKids() {
  DocumentSpec doc = Pages(12);
  doc.outline = {
      Keyed(Bookmark("Kids not a dictionary", 1), "a"),
      Bookmark("Next not a dictionary", 5, Target::DestArray,
               {Keyed(Bookmark("Child with bad next", 6), "b1")}),
      Bookmark("After the damage", 9),
  };
  doc.damage = [](WrittenOutline& written) {
    Item(written, "a").replaceKey("/First", QPDFObjectHandle::newInteger(7));
    Item(written, "a").replaceKey("/Last", QPDFObjectHandle::newInteger(7));
    Item(written, "a").replaceKey("/Count", QPDFObjectHandle::newInteger(1));
    Item(written, "b1").replaceKey("/Next", QPDFObjectHandle::newString("not a bookmark"));
  };
  return doc;
}

// The outline root's own /First is not a dictionary.
DocumentSpec DamagedRootKids() {
  DocumentSpec doc = Pages(12);
  doc.outline = {Bookmark("Never reached", 1)};
  doc.damage = [](WrittenOutline& written) {
    QPDFObjectHandle outlines = written.pdf->getRoot().getKey("/Outlines");
    outlines.replaceKey("/First", QPDFObjectHandle::newInteger(3));
    outlines.replaceKey("/Last", QPDFObjectHandle::newInteger(3));
  };
  return doc;
}

// The catalog's /Outlines is not a dictionary at all.
DocumentSpec DamagedOutlines() {
  DocumentSpec doc = Pages(12);
  doc.outline = {Bookmark("Never reached", 1)};
  doc.damage = [](WrittenOutline& written) {
    written.pdf->getRoot().replaceKey("/Outlines", QPDFObjectHandle::newInteger(42));
  };
  return doc;
}

DocumentSpec NonStringTitles() {
  DocumentSpec doc = Pages(12);
  doc.outline = {
      Bookmark("Named first", 1),
      WithTitleObject(Bookmark("", 5), "42"),
      WithTitleObject(Bookmark("", 7, Target::DestArray, {Bookmark("Child of untitled", 8)}),
                      ""),
      WithTitleObject(Bookmark("", 9), "/NotAString"),
      Bookmark("Named last", 11),
  };
  return doc;
}

DocumentSpec LongTitles() {
  DocumentSpec doc = Pages(12);
  std::string unicode = "Long Unicode title ";
  while (unicode.size() < 3000) unicode += "abcdefghij";
  unicode.resize(3000);
  doc.outline = {
      Bookmark(LongTitle("First long title ", 4000), 1),
      Bookmark(LongTitle("Second long title ", 4090), 5),
      Bookmark(LongTitle("Third long title ", 6000), 9),
      Bookmark("After the long titles", 11),
      WithBytes(Bookmark("", 12), pdfgen::Utf16Title(unicode)),
  };
  return doc;
}

// Titles that are no file names as they stand: twins, a device name, an empty title,
// characters no file name may hold, trailing dots and blanks, a control character.
DocumentSpec FileNameTitles() {
  DocumentSpec doc = Pages(12);
  doc.outline = {
      Bookmark("Notes", 1),
      Bookmark("Notes", 3, Target::DestArray, {Bookmark("Detail", 4)}),
      Bookmark("CON", 5),
      Bookmark("", 6),
      Bookmark("a<b>c?d*|e \"q\" /\\ .", 7),
      Bookmark("Prn.txt", 9),
      Bookmark("Tab\there...  ", 11),
  };
  return doc;
}

// A plan drawing on layers, with bookmarks that switch layers and go to pages.
DocumentSpec Layered() {
  DocumentSpec doc;
  doc.layers = {{"Walls", true}, {"Wiring", true}, {"Plumbing", true}, {"Furniture", false}};
  for (int i = 0; i < 4; ++i) {
    pdfgen::PageSpec page;
    page.lines = {i == 0 ? "Ground floor plan" : "Plan sheet " + std::to_string(i + 1)};
    page.layerLines = {{"Walls", "WALLS: outer and inner walls"},
                       {"Wiring", "WIRING: sockets and switches"},
                       {"Plumbing", "PLUMBING: supply and drains"},
                       {"Furniture", "FURNITURE: tables and shelves"}};
    doc.pages.push_back(page);
  }
  auto layers = [](const std::string& title, int page, std::vector<std::string> state) {
    OutlineItem item = Bookmark(title, page, Target::LayersThenGoTo);
    item.layerState = std::move(state);
    return item;
  };
  doc.outline = {
      Bookmark("Ground floor", 1, Target::DestArray,
               {layers("Wiring only", 1, {"/OFF", "Plumbing", "Furniture", "/ON", "Walls", "Wiring"}),
                layers("Plumbing only", 1,
                       {"/OFF", "Wiring", "Furniture", "/ON", "Walls", "Plumbing"}),
                layers("Everything", 1,
                       {"/ON", "Walls", "Wiring", "Plumbing", "Furniture"})}),
      Bookmark("Sheet two", 2, Target::GoToArray,
               {layers("Furniture on sheet two", 2, {"/ON", "Furniture"})}),
      layers("Sheet three, walls only", 3, {"/OFF", "Wiring", "Plumbing", "Furniture"}),
      Bookmark("Sheet four", 4),
  };
  return doc;
}

// Three levels for the ticking rules and the select tools: a parent of pages 1-10 with
// a child of 3-4, a range of 5-9, titles with "ch" in them, one-page bookmarks
// inside and outside the others.
DocumentSpec Checking() {
  DocumentSpec doc = Pages(21);
  const Target d = Target::DestArray;
  doc.outline = {
      Bookmark("Chapter 1", 1, d,
               {Bookmark("Overview", 1),
                Bookmark("Details", 3, d, {Bookmark("Figures", 3), Bookmark("Tables", 4)}),
                Bookmark("Summary", 5), Bookmark("Notes", 10)}),
      Bookmark("Chapter 2", 11, d, {Bookmark("Setup", 11), Bookmark("Use", 15)}),
      Bookmark("Appendix: Chart", 19),
      Bookmark("Index", 21),
  };
  return doc;
}

// Ranges that reach the print list in the order 1-2, 5-6, 3-4: a child listed before
// its sibling on an earlier page.
DocumentSpec PrintOrder() {
  DocumentSpec doc = Pages(8);
  const Target d = Target::DestArray;
  doc.outline = {
      Bookmark("Preface", 1, d, {Bookmark("Opening", 1)}),
      Bookmark("Body", 3, d,
               {Bookmark("Later part", 5, d,
                         {Bookmark("Earlier part", 3), Bookmark("Middle part", 5)})}),
      Bookmark("Close", 7),
  };
  return doc;
}

// Pages of many sizes for "Find" by page size. Page 5 is A3 paper cropped to A4,
// page 6 A4 with a crop box beyond its paper, page 7 Letter through the media box of
// the page tree's root: only the crop box as a reader shows it counts.
DocumentSpec PageSizes() {
  struct Size {
    double width, height;
  };
  const Size sizes[] = {{612, 792},  {595, 842},   {842, 595},  {612, 1008}, {842, 1191},
                        {595, 842},  {612, 792},   {1191, 842}, {595.28, 841.89}, {792, 1224}};
  DocumentSpec doc;
  for (const Size& size : sizes) {
    pdfgen::PageSpec page;
    page.width = size.width;
    page.height = size.height;
    page.lines = {"Page " + std::to_string(doc.pages.size() + 1)};
    doc.pages.push_back(page);
  }
  doc.outline = {Bookmark("Letter and A4", 1, Target::DestArray, {Bookmark("Landscape", 3)}),
                 Bookmark("Cropped", 5), Bookmark("Large", 8)};
  doc.damage = [](WrittenOutline& written) {
    std::vector<QPDFObjectHandle> pages = written.pdf->getAllPages();
    pages[4].replaceKey("/CropBox", QPDFObjectHandle::parse("[100 100 695 942]"));
    pages[5].replaceKey("/CropBox", QPDFObjectHandle::parse("[-50 -50 700 900]"));
    pages[6].removeKey("/MediaBox");
    written.pdf->getRoot().getKey("/Pages").replaceKey(
        "/MediaBox", QPDFObjectHandle::parse("[0 0 612 792]"));
  };
  return doc;
}

// Banner pages: a bookmark on the first page, bookmarks on pages 3 and 7 (each the
// parent of one on its own page), and two bookmarks on one page.
DocumentSpec Banners() {
  DocumentSpec doc = Pages(10);
  const Target d = Target::DestArray;
  doc.outline = {
      Bookmark("Front", 1),
      Bookmark("Part A", 3, d, {Bookmark("Section A1", 3), Bookmark("Section A2", 5)}),
      Bookmark("Part B", 7, d, {Bookmark("Section B1", 8)}),
      Bookmark("Twin One", 9),
      Bookmark("Twin Two", 9),
  };
  return doc;
}

// The banner fixture with pages of its own that show marker words: page 5 the page
// marker itself, page 6 only near misses of it.
DocumentSpec BannerWords() {
  DocumentSpec doc = Banners();
  doc.pages[4].lines.push_back("See [BANNERPAGE] here");
  doc.pages[5].lines.push_back("Not BANNERPAGE nor bannerpage] nor [BANNERPAGE]x");
  return doc;
}

// A copy of `source` that may be opened and printed but not changed.
void WriteLockedCopy(const std::string& source, const std::string& target) {
  QPDF pdf;
  pdf.processFile(source.c_str());
  QPDFWriter writer(pdf, target.c_str());
  writer.setR6EncryptionParameters("", "owner", true, true, false, false, false, false,
                                   qpdf_r3p_full, true);
  writer.write();
}

struct Fixture {
  const char* file;
  std::function<DocumentSpec()> make;
};

const std::vector<Fixture>& Fixtures() {
  static const std::vector<Fixture> fixtures = {
      {"no-outline.pdf", NoOutline},
      {"empty-outline.pdf", EmptyOutline},
      {"three-top-level.pdf", ThreeTopLevel},
      {"last-on-last-page.pdf", LastOnLastPage},
      {"same-page-child.pdf", SamePageChild},
      {"out-of-order.pdf", OutOfOrder},
      {"parent-after-children.pdf", ParentAfterChildren},
      {"unicode-titles.pdf", UnicodeTitles},
      {"title-last-byte.pdf", TitleLastByte},
      {"unresolvable.pdf", Unresolvable},
      {"invalid-action.pdf", InvalidAction},
      {"named-destinations.pdf", NamedDestinations},
      {"damaged-next-loop.pdf", DamagedNextLoop},
      {"damaged-first-loop.pdf", DamagedFirstLoop},
      {"damaged-kids.pdf", DamagedKids},
      {"damaged-root-kids.pdf", DamagedRootKids},
      {"damaged-outlines.pdf", DamagedOutlines},
      {"non-string-titles.pdf", NonStringTitles},
      {"long-titles.pdf", LongTitles},
      {"file-name-titles.pdf", FileNameTitles},
      {"layered.pdf", Layered},
      {"checking.pdf", Checking},
      {"print-order.pdf", PrintOrder},
      {"page-sizes.pdf", PageSizes},
      {"banners.pdf", Banners},
      {"banner-words.pdf", BannerWords},
  };
  return fixtures;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: make-fixtures OUTDIR\n");
    return 2;
  }
  const std::string folder = argv[1];
  mkdir(folder.c_str(), 0777);
  for (const Fixture& fixture : Fixtures()) {
    const std::string path = folder + "/" + fixture.file;
    try {
      pdfgen::WriteDocument(fixture.make(), path);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "make-fixtures: %s: %s\n", path.c_str(), e.what());
      return 1;
    }
  }
  try {
    WriteLockedCopy(folder + "/banners.pdf", folder + "/banners-locked.pdf");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make-fixtures: banners-locked.pdf: %s\n", e.what());
    return 1;
  }
  int damaged = 0;
  try {
    damaged = pdfgen::WriteDamagedDocuments(folder);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make-fixtures: %s\n", e.what());
    return 1;
  }
  std::printf("%s: %zu fixture documents\n", folder.c_str(),
              Fixtures().size() + 1 + static_cast<size_t>(damaged));
  return 0;
}
