// The index document: the writer's bytes, the layout of its lines, the two passes, and
// files that stay valid PDF when titles, pages or objects outgrow the fixed buffers.
#include <gtest/gtest.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "model/bookmark_model.h"
#include "print/index_layout.h"
#include "print/index_pdf_writer.h"
#include "settings/print_settings.h"
#include "written_files.h"

namespace {

struct Bookmark {
  int level;
  int first;
  int last;
  int ticked;
  std::string title;
};

std::unique_ptr<BookmarkModel> ModelOf(const std::vector<Bookmark>& bookmarks) {
  auto model = std::make_unique<BookmarkModel>();
  model->pageCount = 1;
  for (const Bookmark& b : bookmarks) {
    AppendBookmarkEntry(*model, b.level, b.first, 0, b.title, PDAction{});
    BookmarkEntry& entry = model->entries[model->entryCount - 1];
    entry.lastPage = b.last;
    entry.ticked = b.ticked;
  }
  return model;
}

// `count` ticked top-level bookmarks titled "1", "2", ..., each on its own page.
std::unique_ptr<BookmarkModel> NumberedModel(int count) {
  std::vector<Bookmark> bookmarks;
  for (int i = 1; i <= count; ++i) bookmarks.push_back({1, i, i, 1, std::to_string(i)});
  return ModelOf(bookmarks);
}

// 612 x 792 points, font size 10, no indent, no wrapping, no blank lines.
SetupSettings PlainSettings() {
  SetupSettings settings;
  settings.indexIndent = 0;
  return settings;
}

std::string TempPath(const std::string& name) {
  return testing::TempDir() + "tessaly_index_" + name + ".pdf";
}

bool PassesQpdfCheck(const std::string& path) {
  const std::string command = "qpdf --check '" + path + "' > /dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

// Each page's content stream, read back through qpdf.
std::vector<std::string> PageContents(const std::string& path) {
  QPDF pdf;
  pdf.processFile(path.c_str());
  std::vector<std::string> contents;
  for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
    auto data = page.getObjectHandle().getKey("/Contents").getArrayItem(0).getRawStreamData();
    contents.emplace_back(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
  }
  return contents;
}

struct TextOp {
  long long fontSize = 0;
  long long x = 0;
  long long y = 0;
  std::string text;  // as written, escapes included

  bool operator==(const TextOp&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TextOp& op) {
  return out << "{" << op.fontSize << ", " << op.x << ", " << op.y << ", \"" << op.text << "\"}";
}

std::vector<TextOp> TextOps(const std::string& content) {
  std::vector<TextOp> ops;
  size_t at = 0;
  while ((at = content.find("BT\r\n/F1 ", at)) != std::string::npos) {
    TextOp op;
    std::sscanf(content.c_str() + at, "BT\r\n/F1 %lld Tf\r\n%lld %lld Td", &op.fontSize, &op.x,
                &op.y);
    const size_t text = content.find(" Td\r\n(", at) + 6;
    const size_t end = content.find(") Tj\r\nET\r\n", text);
    op.text = content.substr(text, end - text);
    ops.push_back(op);
    at = end;
  }
  return ops;
}

// Builds the index of `model` into a file named after `name`, checks it with qpdf and
// returns its pages' text operators.
std::vector<std::vector<TextOp>> BuiltPages(const std::string& name, BookmarkModel& model,
                                            const SetupSettings& settings) {
  const std::string path = TempPath(name);
  IndexPdfWriter writer;
  const int pages = BuildIndexDocument(writer, path, model, settings);
  EXPECT_TRUE(PassesQpdfCheck(path)) << path;
  std::vector<std::vector<TextOp>> ops;
  for (const std::string& content : PageContents(path)) ops.push_back(TextOps(content));
  EXPECT_EQ(static_cast<size_t>(pages), ops.size());
  return ops;
}

std::vector<std::string> Texts(const std::vector<TextOp>& ops) {
  std::vector<std::string> texts;
  for (const TextOp& op : ops) texts.push_back(op.text);
  return texts;
}

// --- The writer's bytes ---

TEST(PluginIndexPdfWriter, OneBookmarkMakesASevenObjectFileByteForByte) {
  auto model = ModelOf({{1, 1, 3, 1, "Intro"}});
  const std::string content =
      "BT\r\n/F1 10 Tf\r\n20 780 Td\r\n(Intro) Tj\r\nET\r\n"
      "BT\r\n/F1 10 Tf\r\n542 780 Td\r\n(1-3) Tj\r\nET\r\n";
  ASSERT_EQ(content.size(), 83u);
  const std::string expected =
      "%PDF-1.4\r\n"
      // 10
      "1 0 obj\r\n<< /Type /Catalog\r\n/Outlines 2 0 R\r\n/Pages 3 0 R\r\n>>\r\nendobj\r\n"
      // 81
      "2 0 obj\r\n<< /Type /Outlines\r\n/First 0 0 R\r\n/Last 0 0 R\r\n/Count 1\r\n>>\r\nendobj\r\n"
      // 159
      "3 0 obj\r\n<< /Type /Pages\r\n/Kids [5 0 R ]\r\n/Count 00000001\r\n>>\r\nendobj\r\n"
      // 230
      "4 0 obj\r\n<< /Type /Font\r\n/Subtype /Type1\r\n/Name /F1\r\n/BaseFont /Helvetica\r\n"
      "/Encoding /WinAnsiEncoding\r\n>>\r\nendobj\r\n"
      // 345
      "5 0 obj\r\n<< /Type /Page\r\n/Parent 3 0 R\r\n/MediaBox [0 0 612 792]\r\n"
      "/Contents [6 0 R]\r\n/Resources << /ProcSet 7 0 R\r\n/Font << /F1 4 0 R >>\r\n>>\r\n>>\r\n"
      "endobj\r\n"
      // 498
      "6 0 obj\r\n<< /Length 83 >>\r\nstream\r\n" +
      content +
      "endstream\r\nendobj\r\n"
      // 635
      "7 0 obj\r\n[/PDF /Text]\r\nendobj\r\n"
      // 666
      "xref\r\n0 8\r\n0000000000 65535 f\r\n"
      "0000000010 00000 n\r\n0000000081 00000 n\r\n0000000159 00000 n\r\n"
      "0000000230 00000 n\r\n0000000345 00000 n\r\n0000000498 00000 n\r\n"
      "0000000635 00000 n\r\n"
      "trailer\r\n<< /Size 8\r\n/Root 1 0 R\r\n>>\r\nstartxref\r\n666\r\n%%EOF\r\n";

  const std::string path = TempPath("intro");
  IndexPdfWriter writer;
  EXPECT_EQ(BuildIndexDocument(writer, path, *model, PlainSettings()), 1);
  EXPECT_EQ(FileBytes(path), expected);
  EXPECT_TRUE(PassesQpdfCheck(path));
  EXPECT_EQ(writer.objectCount(), 7);
  EXPECT_EQ(writer.offsetOf(1), 10);
  EXPECT_EQ(writer.offsetOf(2), 81);
  EXPECT_EQ(writer.offsetOf(3), 159);
  EXPECT_EQ(writer.pageObject(1), 5);
  EXPECT_EQ(writer.pagesObject(), 3);
  EXPECT_EQ(writer.fontObject(), 4);
  EXPECT_EQ(writer.outlineFirst(), 0);
  EXPECT_EQ(writer.outlineLast(), 0);
  EXPECT_EQ(expected.substr(static_cast<size_t>(writer.kidsPosition()), 6), "5 0 R ");
  EXPECT_EQ(expected.substr(static_cast<size_t>(writer.countPosition()), 8), "00000001");

  // The writer lives as long as the dialog: the next index starts afresh.
  EXPECT_EQ(BuildIndexDocument(writer, path, *model, PlainSettings()), 1);
  EXPECT_EQ(FileBytes(path), expected);
}

TEST(PluginIndexPdfWriter, NothingSelectedGivesOneEmptyPage) {
  auto model = ModelOf({{1, 1, 3, 0, "Intro"}, {1, 4, 4, 0, "End"}});
  const std::string path = TempPath("nothing");
  IndexPdfWriter writer;
  EXPECT_EQ(BuildIndexDocument(writer, path, *model, PlainSettings()), 1);
  EXPECT_NE(FileBytes(path).find("6 0 obj\r\n<< /Length 0 >>\r\nstream\r\nendstream\r\nendobj\r\n"),
            std::string::npos);
  EXPECT_TRUE(PassesQpdfCheck(path));
}

TEST(PluginIndexPdfWriter, ParenthesesAndBackslashesAreEscaped) {
  EXPECT_EQ(EscapePdfText("Part (A)"), "Part \\(A\\)");
  EXPECT_EQ(EscapePdfText("C:\\dir \xE9t\xE9"), "C:\\\\dir \xE9t\xE9");
  EXPECT_EQ(EscapePdfText(""), "");

  // A title ending in a backslash still closes its string.
  auto root = ModelOf({{1, 1, 1, 1, "C:\\"}});
  const std::string rootPath = TempPath("backslash");
  IndexPdfWriter rootWriter;
  BuildIndexDocument(rootWriter, rootPath, *root, PlainSettings());
  EXPECT_NE(FileBytes(rootPath).find("(C:\\\\) Tj\r\n"), std::string::npos);
  EXPECT_TRUE(PassesQpdfCheck(rootPath));

  auto model = ModelOf({{1, 2, 2, 1, "Part (A)"}});
  const std::string path = TempPath("escaped");
  IndexPdfWriter writer;
  BuildIndexDocument(writer, path, *model, PlainSettings());
  EXPECT_NE(FileBytes(path).find("20 780 Td\r\n(Part \\(A\\)) Tj\r\n"), std::string::npos);
  EXPECT_TRUE(PassesQpdfCheck(path));
}

TEST(PluginIndexPdfWriter, AFileThatCannotBeCreatedStillCountsItsPages) {
  const std::string path = testing::TempDir() + "no-such-folder/index.pdf";
  IndexPdfWriter writer;
  writer.setCountOnly(false);
  EXPECT_FALSE(writer.open(path));
  EXPECT_FALSE(writer.catalog());
  EXPECT_FALSE(writer.pageTree(1));
  EXPECT_FALSE(writer.page(612, 792, "F1"));
  EXPECT_TRUE(writer.text(10, "still laid out", 20, 780));
  EXPECT_FALSE(writer.endPage());
  EXPECT_FALSE(writer.finish());
  EXPECT_EQ(writer.objectCount(), 5);
  EXPECT_EQ(writer.pageCount(), 1);

  auto model = NumberedModel(66);
  EXPECT_EQ(BuildIndexDocument(writer, path, *model, PlainSettings()), 2);
  EXPECT_EQ(std::fopen(path.c_str(), "rb"), nullptr);
}

// The index of a job that cannot be written whole must not let the index of an
// earlier job be printed in its place.
TEST(PluginIndexPdfWriter, AnIndexThatCannotBeWrittenLeavesTheEarlierOneAndSaysSo) {
  char folderName[] = "/tmp/tessaly-index-XXXXXX";
  ASSERT_NE(mkdtemp(folderName), nullptr);
  const std::string folder = folderName;
  const std::string path = folder + "/index.pdf";
  const SetupSettings settings = PlainSettings();
  auto small = NumberedModel(3);
  IndexPdfWriter writer;
  BuildIndexDocument(writer, path, *small, settings);
  ASSERT_TRUE(writer.written());
  const std::string earlier = FileBytes(path);
  auto large = NumberedModel(400);
  {
    const FileSizeLimit disk(earlier.size());
    EXPECT_GT(BuildIndexDocument(writer, path, *large, settings), 1);
  }
  EXPECT_FALSE(writer.written());
  EXPECT_EQ(FileBytes(path), earlier);
  EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"index.pdf"});
}

// One line per page (the page is lower than a line), so 1001 pages and 4007 objects,
// whose cross-reference lines take more than 64 KiB.
TEST(PluginIndexPdfWriter, EveryObjectOfALongIndexGetsItsCrossReferenceLine) {
  auto model = NumberedModel(1000);
  SetupSettings settings = PlainSettings();
  settings.indexPageHeight = 11;
  const std::string path = TempPath("long");
  IndexPdfWriter writer;
  EXPECT_EQ(BuildIndexDocument(writer, path, *model, settings), 1001);
  EXPECT_EQ(writer.objectCount(), 4007);
  EXPECT_EQ(writer.pageObject(1001), 4005);
  const std::string bytes = FileBytes(path);
  EXPECT_NE(bytes.find("/Kids [5 0 R 9 0 R 13 0 R "), std::string::npos);
  EXPECT_NE(bytes.find(" 4001 0 R 4005 0 R ]\r\n/Count 00001001\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("trailer\r\n<< /Size 4008\r\n"), std::string::npos);
  const size_t xref = bytes.find("xref\r\n0 4008\r\n");
  ASSERT_NE(xref, std::string::npos);
  EXPECT_NE(bytes.find("startxref\r\n" + std::to_string(xref) + "\r\n"), std::string::npos);
  EXPECT_TRUE(PassesQpdfCheck(path));
  EXPECT_EQ(PageContents(path).size(), 1001u);
}

// --- The lines of the index ---

TEST(PluginIndexLayout, APageTakesSixtySixLinesOfTenPoints) {
  // Exactly 66 lines fill page 1, down to y 0, and open an empty page 2.
  auto full = NumberedModel(66);
  auto pages = BuiltPages("lines66", *full, PlainSettings());
  ASSERT_EQ(pages.size(), 2u);
  ASSERT_EQ(pages[0].size(), 132u);
  EXPECT_EQ(pages[0][0], (TextOp{10, 20, 780, "1"}));
  EXPECT_EQ(pages[0][1], (TextOp{10, 542, 780, "1"}));
  EXPECT_EQ(pages[0][130], (TextOp{10, 20, 0, "66"}));
  EXPECT_TRUE(pages[1].empty());

  // A 67th line starts page 2 at the top.
  auto more = NumberedModel(67);
  pages = BuiltPages("lines67", *more, PlainSettings());
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].size(), 132u);
  EXPECT_EQ(pages[1], (std::vector<TextOp>{{10, 20, 780, "67"}, {10, 542, 780, "67"}}));
}

TEST(PluginIndexLayout, WrappingBreaksAfterTheLastSpaceOrCommaWithinTheColumns) {
  auto model = ModelOf({{1, 1, 3, 1, "Sub, a long title here"}, {2, 2, 2, 1, ""},
                        {2, 3, 3, 1, "abcdefghij"}});
  SetupSettings settings = PlainSettings();
  settings.indexWrap = 8;
  const auto pages = BuiltPages("wrapped", *model, settings);
  ASSERT_EQ(pages.size(), 1u);
  // The empty title gives no line at all; a title without a break is cut hard.
  EXPECT_EQ(pages[0], (std::vector<TextOp>{{10, 20, 780, "Sub, a "},
                                           {10, 542, 780, "1-3"},
                                           {10, 20, 768, "long "},
                                           {10, 20, 756, "title "},
                                           {10, 20, 744, "here"},
                                           {10, 40, 732, "abcdefgh"},
                                           {10, 542, 732, "3"},
                                           {10, 40, 720, "ij"}}));
}

TEST(PluginIndexLayout, AWrapBreakIsTheLastSpaceOrCommaFromStartToStartPlusWidth) {
  EXPECT_EQ(FindWrapBreak("Sub, a long title here", 0, 8), 7u);
  EXPECT_EQ(FindWrapBreak("Sub, a long title here", 7, 8), 5u);
  EXPECT_EQ(FindWrapBreak("ab,cdefgh", 0, 4), 3u);
  EXPECT_EQ(FindWrapBreak("abcd efgh", 0, 4), 5u);  // the column at start + width counts
  EXPECT_EQ(FindWrapBreak(" bcdefgh", 0, 4), 1u);
  EXPECT_EQ(FindWrapBreak("abcdefgh", 0, 4), 0u);
  EXPECT_EQ(FindWrapBreak("ab cdefgh", 3, 4), 0u);  // breaks before start do not count
  EXPECT_EQ(FindWrapBreak("ab c", 0, 40), 3u);       // nothing is read past the end
  EXPECT_EQ(FindWrapBreak("ab", 5, 4), 0u);
}

TEST(PluginIndexLayout, ATickedBookmarkListsWhatItHolds) {
  auto model = ModelOf({
      {1, 1, 20, 0, "Book"},    // a smaller level number: not held
      {2, 1, 10, 1, "Part"},    // ticked
      {3, 1, 5, 0, "Chapter"},  // held
      {4, 2, 3, 0, "Section"},  // held, deeper still
      {3, 6, 12, 0, "Spill"},   // reaches past page 10: not held
      {1, 4, 5, 0, "Top"},      // within the pages, but a smaller level number
      {2, 11, 20, 0, "Later"},
  });
  const auto pages = BuiltPages("nested", *model, PlainSettings());
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0], (std::vector<TextOp>{{10, 40, 780, "Part"},
                                           {10, 542, 780, "1-10"},
                                           {10, 60, 768, "Chapter"},
                                           {10, 542, 768, "1-5"},
                                           {10, 80, 756, "Section"},
                                           {10, 542, 756, "2-3"}}));
  // The widened selection stays in the model.
  std::vector<int> ticked;
  for (int i = 0; i < model->entryCount; ++i) ticked.push_back(model->entries[i].ticked);
  EXPECT_EQ(ticked, (std::vector<int>{0, 1, 1, 1, 0, 0, 0}));
}

TEST(PluginIndexLayout, BlankLinesFollowEveryEntryAndTakeTheirPlace) {
  auto model = ModelOf({{1, 1, 1, 1, "A"}, {2, 2, 4, 1, "B"}});
  SetupSettings settings = PlainSettings();
  settings.indexBlankLine = 1;
  settings.indexIndent = 10;
  auto pages = BuiltPages("blank", *model, settings);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0], (std::vector<TextOp>{{10, 30, 780, "A"},
                                           {10, 542, 780, "1"},
                                           {10, 30, 768, " "},
                                           {10, 50, 756, "B"},
                                           {10, 542, 756, "2-4"},
                                           {10, 50, 744, " "}}));

  // 33 entries with their blank lines fill a page.
  auto many = NumberedModel(33);
  pages = BuiltPages("blank33", *many, settings);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].back(), (TextOp{10, 30, 0, " "}));
  EXPECT_TRUE(pages[1].empty());
}

TEST(PluginIndexLayout, OddSettingsStillLayOutEveryLine) {
  auto model = ModelOf({{1, 1, 1, 1, "First, long"}, {1, 2, 2, 1, "Second"}});
  // A font size below 1 is taken as 1: lines 3 points apart.
  for (const int fontSize : {0, -4}) {
    SetupSettings settings = PlainSettings();
    settings.indexFontSize = fontSize;
    const auto pages = BuiltPages("font" + std::to_string(fontSize + 10), *model, settings);
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].size(), 4u);
    EXPECT_EQ(pages[0][0], (TextOp{1, 20, 789, "First, long"}));
    EXPECT_EQ(pages[0][2], (TextOp{1, 20, 786, "Second"}));
  }
  // A wrap column below 1 means no wrapping, as 0 and 9999 do.
  for (const int wrap : {-3, 0, 9999}) {
    SetupSettings settings = PlainSettings();
    settings.indexWrap = wrap;
    const auto pages = BuiltPages("wrap" + std::to_string(wrap + 10), *model, settings);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(Texts(pages[0]), (std::vector<std::string>{"First, long", "1", "Second", "2"}));
  }
  // A page lower than a line holds one line, below its bottom edge.
  SetupSettings low = PlainSettings();
  low.indexPageHeight = 5;
  const auto pages = BuiltPages("low", *model, low);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0][0], (TextOp{10, 20, -7, "First, long"}));
  EXPECT_EQ(pages[1][0], (TextOp{10, 20, -7, "Second"}));
  EXPECT_TRUE(pages[2].empty());
}

TEST(PluginIndexLayout, AFullContentStreamEndsItsPageEarly) {
  // At font size 1 a page has room for 264 lines, but its content for only 16 of
  // these; the 17th starts page 2 at its first line.
  std::vector<Bookmark> bookmarks;
  for (int i = 0; i < 20; ++i)
    bookmarks.push_back({1, i + 1, i + 1, 1, std::string(4000, static_cast<char>('a' + i))});
  auto model = ModelOf(bookmarks);
  SetupSettings settings = PlainSettings();
  settings.indexFontSize = 1;
  const std::string path = TempPath("overflow");
  const auto pages = BuiltPages("overflow", *model, settings);
  ASSERT_EQ(pages.size(), 2u);
  ASSERT_EQ(pages[0].size(), 32u);
  EXPECT_EQ(pages[1].size(), 8u);
  EXPECT_EQ(pages[1][0], (TextOp{1, 20, 789, bookmarks[16].title}));
  EXPECT_EQ(pages[1][1], (TextOp{1, 542, 789, "17"}));
  for (const std::string& content : PageContents(path))
    EXPECT_LE(content.size(), kIndexContentCapacity);
}

TEST(PluginIndexLayout, ATitleTooLongForTheLineIsCutBetweenEscapes) {
  auto model = ModelOf({{1, 1, 1, 1, std::string(9000, '(')}});
  const auto pages = BuiltPages("longtitle", *model, PlainSettings());
  ASSERT_EQ(pages.size(), 1u);
  ASSERT_EQ(pages[0].size(), 2u);
  std::string expected;
  for (int i = 0; i < 8191; ++i) expected += "\\(";
  EXPECT_EQ(pages[0][0].text, expected);
  EXPECT_EQ(pages[0][1].text, "1");
}

}  // namespace
