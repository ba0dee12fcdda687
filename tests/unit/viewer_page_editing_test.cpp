// Editing a document's pages as the host does: new empty pages, and text appended to a
// page's content with embedded system fonts; the result written and read back.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include <qpdf/QPDFJob.hh>
#include <qpdf/QPDFLogger.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "core/host_error.h"
#include "fonts/font_face.h"
#include "fonts/system_fonts.h"
#include "pdf/page_content.h"
#include "pdf/page_insertion.h"
#include "pdf/pdf_document.h"
#include "pdf/text_bbox.h"
#include "temp_pdf.h"

namespace viewer::pdf {
namespace {

std::shared_ptr<const fonts::FontFace> LiberationSans() {
  const auto font = fonts::FindSystemFont("Liberation Sans", "TrueType");
  return font ? fonts::LoadFontFace(font->file, font->index) : nullptr;
}

// A document of three Letter pages, each with content that leaves its graphics state
// changed (a fill colour and a scale without q/Q), and an outline item per page.
class PageEditingTest : public ::testing::Test {
 protected:
  PageEditingTest() {
    QPDF pdf;
    pdf.emptyPDF();
    QPDFPageDocumentHelper pages(pdf);
    for (int i = 0; i < 3; ++i) {
      QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(
          "<< /Type /Page /MediaBox [0 0 612 792] /Resources << >> >>"));
      page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, "0 0 1 rg 2 0 0 2 0 0 cm\n"));
      pages.addPage(QPDFPageObjectHelper(page), false);
    }
    AddOutlineItemPerPage(pdf);
    source_ = WriteTempPdf(pdf, "viewer-edit-src");
    doc_ = PdfDocument::Open(source_);
  }
  ~PageEditingTest() override {
    std::remove(source_.c_str());
    if (!saved_.empty()) std::remove(saved_.c_str());
  }

  // The document as saved, read again.
  std::unique_ptr<QPDF> SaveAndRead() { return SaveAndReadBack(*doc_, "viewer-edit-out", saved_); }

  // The 0-based pages the outline items lead to, in outline order, as indexOf finds them.
  template <typename IndexOf>
  static std::vector<int> OutlinePages(QPDF& pdf, IndexOf indexOf) {
    std::vector<int> found;
    QPDFOutlineDocumentHelper outline(pdf);
    for (auto& item : outline.getTopLevelOutlines()) found.push_back(indexOf(item.getDestPage()));
    return found;
  }

  TextRun Line(const std::string& text, double x, double y) {
    TextRun run;
    run.font = font_;
    run.bytes = text;
    run.matrix = {24, 0, 0, 24, x, y};
    run.fillSpace = ColourSpace::DeviceRGB;
    run.fill = {1, 0, 0, 0};
    return run;
  }

  // Adds the runs to page as one acquire, add, set, release round would.
  void Draw(int page, std::vector<TextRun> runs) {
    PageContent content(*doc_, doc_->Page(page).getObjectHandle());
    auto text = std::make_shared<TextElement>();
    text->runs = std::move(runs);
    content.Append(text);
    ASSERT_TRUE(content.Write());
  }

  static std::string StreamText(QPDFObjectHandle stream) {
    auto data = stream.getStreamData(qpdf_dl_all);
    return std::string(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
  }

  std::shared_ptr<const fonts::FontFace> font_ = LiberationSans();
  std::string source_, saved_;
  std::unique_ptr<PdfDocument> doc_;
};

TEST_F(PageEditingTest, InsertsBeforeTheFirstInTheMiddleAndAtTheEnd) {
  const std::vector<QPDFObjectHandle> before = doc_->qpdf().getAllPages();
  QPDFObjectHandle first = InsertEmptyPage(*doc_, -1, PageBox{0, 0, 400, 300});
  QPDFObjectHandle middle = InsertEmptyPage(*doc_, 2, PageBox{0, 0, 612, 792});
  QPDFObjectHandle last = InsertEmptyPage(*doc_, 4, PageBox{10, 20, 595.5, 842});
  ASSERT_EQ(doc_->PageCount(), 6);
  // new, old 0, old 1, new, old 2, new
  EXPECT_EQ(doc_->PageIndexOf(first), 0);
  EXPECT_EQ(doc_->PageIndexOf(before[0]), 1);
  EXPECT_EQ(doc_->PageIndexOf(before[1]), 2);
  EXPECT_EQ(doc_->PageIndexOf(middle), 3);
  EXPECT_EQ(doc_->PageIndexOf(before[2]), 4);
  EXPECT_EQ(doc_->PageIndexOf(last), 5);
  const PageBox box = doc_->MediaBox(5);
  EXPECT_DOUBLE_EQ(box.llx, 10);
  EXPECT_DOUBLE_EQ(box.lly, 20);
  EXPECT_DOUBLE_EQ(box.urx, 595.5);
  EXPECT_DOUBLE_EQ(box.ury, 842);
  EXPECT_DOUBLE_EQ(doc_->MediaBox(0).Width(), 400);
  EXPECT_TRUE(first.getKey("/Resources").isDictionary());
  EXPECT_FALSE(first.hasKey("/Contents"));

  auto saved = SaveAndRead();
  EXPECT_EQ(saved->getAllPages().size(), 6u);
  EXPECT_EQ(OutlinePages(*saved, [&](QPDFObjectHandle page) { return saved->findPage(page); }),
            (std::vector<int>{1, 2, 4}));
}

TEST_F(PageEditingTest, RefusesPagesOutsideTheDocument) {
  for (int after : {-2, 3, 100}) {
    try {
      InsertEmptyPage(*doc_, after, PageBox{0, 0, 612, 792});
      ADD_FAILURE() << "inserted after " << after;
    } catch (const core::HostError& e) {
      EXPECT_EQ(e.code(), kHostErrBadPage);
    }
  }
  EXPECT_EQ(doc_->PageCount(), 3);
}

TEST_F(PageEditingTest, TheOutlineFollowsItsPagesInTheModel) {
  InsertEmptyPage(*doc_, -1, PageBox{0, 0, 612, 792});
  EXPECT_EQ(OutlinePages(doc_->qpdf(), [&](QPDFObjectHandle page) { return doc_->PageIndexOf(page); }),
            (std::vector<int>{1, 2, 3}));
}

TEST_F(PageEditingTest, TwoRoundsOnAPageIsolateTheOldContentOnceAndEmbedTheFontOnce) {
  ASSERT_NE(font_, nullptr);
  TextRun faint = Line("Chapter (1) \\ \xE9t\xE9", 72, 700);
  faint.opacity = Opacity{0.5, 0.5};
  Draw(0, {faint});
  Draw(0, {Line("Section 1.1", 72, 664)});
  Draw(1, {Line("Elsewhere", 100, 100)});

  auto saved = SaveAndRead();
  QPDFJob check;
  const char* argv[] = {"qpdf", "--check", saved_.c_str(), nullptr};
  check.initializeFromArgv(argv);
  std::ostringstream checkOutput;
  auto logger = QPDFLogger::create();
  logger->setOutputStreams(&checkOutput, &checkOutput);
  check.setLogger(logger);
  check.run();
  EXPECT_EQ(check.getExitCode(), 0) << checkOutput.str();

  QPDFObjectHandle page = saved->getAllPages()[0];
  std::vector<QPDFObjectHandle> streams = QPDFPageObjectHelper(page).getPageContents();
  ASSERT_EQ(streams.size(), 5u);  // q, the old content, Q, one stream per round
  EXPECT_EQ(StreamText(streams[0]), "q\n");
  EXPECT_EQ(StreamText(streams[1]), "0 0 1 rg 2 0 0 2 0 0 cm\n");
  EXPECT_EQ(StreamText(streams[2]), "\nQ\n");
  const std::string round1 = StreamText(streams[3]);
  EXPECT_EQ(round1,
            "q\n/GS1 gs\n1 0 0 rg\nBT\n/F1 1 Tf\n24 0 0 24 72 700 Tm\n"
            "(Chapter \\(1\\) \\\\ \\351t\\351) Tj\nET\nQ\n");
  EXPECT_EQ(StreamText(streams[4]),
            "q\n1 0 0 rg\nBT\n/F1 1 Tf\n24 0 0 24 72 664 Tm\n(Section 1.1) Tj\nET\nQ\n");

  QPDFObjectHandle resources = page.getKey("/Resources");
  QPDFObjectHandle state = resources.getKey("/ExtGState").getKey("/GS1");
  ASSERT_TRUE(state.isDictionary());
  EXPECT_DOUBLE_EQ(state.getKey("/ca").getNumericValue(), 0.5);
  EXPECT_DOUBLE_EQ(state.getKey("/CA").getNumericValue(), 0.5);
  EXPECT_EQ(resources.getKey("/Font").getKeys().size(), 1u);

  // One font, one descriptor, one program, shared by both pages.
  int fonts = 0, programs = 0;
  for (QPDFObjectHandle object : saved->getAllObjects()) {
    QPDFObjectHandle dict = object.isStream() ? object.getDict() : object;
    if (!dict.isDictionary()) continue;
    if (dict.getKey("/Type").isNameAndEquals("/Font")) ++fonts;
    if (dict.hasKey("/FontFile2")) ++programs;
  }
  EXPECT_EQ(fonts, 1);
  EXPECT_EQ(programs, 1);
  QPDFObjectHandle font = resources.getKey("/Font").getKey("/F1");
  QPDFObjectHandle other = saved->getAllPages()[1];
  EXPECT_EQ(other.getKey("/Resources").getKey("/Font").getKey("/F1").getObjGen(), font.getObjGen());
  EXPECT_EQ(font.getKey("/Subtype").getName(), "/TrueType");
  EXPECT_EQ(font.getKey("/BaseFont").getName(), "/" + font_->postScriptName);
  EXPECT_EQ(font.getKey("/Encoding").getName(), "/WinAnsiEncoding");
}

TEST_F(PageEditingTest, AnEmptyPageGetsItsTextWithoutIsolation) {
  ASSERT_NE(font_, nullptr);
  QPDFObjectHandle banner = InsertEmptyPage(*doc_, -1, PageBox{0, 0, 612, 792});
  Draw(0, {Line("Banner", 72, 400)});
  Draw(0, {Line("Second", 72, 360)});
  EXPECT_EQ(QPDFPageObjectHelper(banner).getPageContents().size(), 2u);
}

TEST_F(PageEditingTest, WritingNothingAddsNothing) {
  PageContent content(*doc_, doc_->Page(0).getObjectHandle());
  EXPECT_FALSE(content.Write());
  EXPECT_EQ(QPDFPageObjectHelper(doc_->Page(0)).getPageContents().size(), 1u);
  EXPECT_TRUE(doc_->DisplayedAsStored());
}

TEST_F(PageEditingTest, DrawingChangesHowThePageLooksButNotTheStructure) {
  ASSERT_NE(font_, nullptr);
  const unsigned revision = doc_->revision();
  const PageLook before = doc_->LookOf(2), other = doc_->LookOf(1);
  EXPECT_EQ(before.stamp, 0u);
  Draw(2, {Line("Text", 72, 400)});
  EXPECT_EQ(doc_->revision(), revision);
  EXPECT_EQ(doc_->LookOf(2).object, before.object);
  EXPECT_NE(doc_->LookOf(2).stamp, before.stamp);
  EXPECT_EQ(doc_->LookOf(1), other);
  EXPECT_FALSE(doc_->DisplayedAsStored());
}

TEST_F(PageEditingTest, OnlyTextCanBeAppended) {
  PageContent content(*doc_, doc_->Page(0).getObjectHandle());
  try {
    content.Append(std::make_shared<ColourSpaceElement>(ColourSpace::DeviceRGB));
    ADD_FAILURE() << "a colour space was appended";
  } catch (const core::HostError& e) {
    EXPECT_EQ(e.code(), kHostErrBadParameter);
  }
}

// poppler reads the text back where the text matrix put it.
TEST_F(PageEditingTest, TextExtractionFindsTheWordsWhereTheyWereDrawn) {
  ASSERT_NE(font_, nullptr);
  if (std::system("pdftotext -v >/dev/null 2>&1") != 0) GTEST_SKIP() << "no pdftotext";
  Draw(1, {Line("Banner", 100, 500)});
  SaveAndRead();
  const std::string html = saved_ + ".html";
  const std::string command = "pdftotext -bbox -f 2 -l 2 " + saved_ + " " + html;
  ASSERT_EQ(std::system(command.c_str()), 0);
  FILE* file = std::fopen(html.c_str(), "r");
  ASSERT_NE(file, nullptr);
  std::string text;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
  std::fclose(file);
  std::remove(html.c_str());
  const size_t word = text.find(">Banner<");
  ASSERT_NE(word, std::string::npos) << text;
  const size_t start = text.rfind("<word", word);
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  ASSERT_EQ(std::sscanf(text.c_str() + start, "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\"",
                        &xMin, &yMin, &xMax, &yMax), 4);
  // Top-down coordinates on a 792-point page.
  const Box box = TextRunBox(*font_, "Banner", TextMatrix{24, 0, 0, 24, 100, 500});
  EXPECT_NEAR(xMin, box.left, 0.5);
  EXPECT_NEAR(xMax, box.right, 0.5);
  EXPECT_NEAR(yMin, 792 - box.top, 0.5);
  EXPECT_NEAR(yMax, 792 - box.bottom, 0.5);
}

}  // namespace
}  // namespace viewer::pdf
