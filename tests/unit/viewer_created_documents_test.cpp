// Documents of their own (PDDocCreate, PDDocSave, PDDocClose): made empty, written
// whole or not at all, freed with what they hold.
#include "host/created_documents.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include <qpdf/QPDFPageDocumentHelper.hh>

#include "core/host_error.h"
#include "core/unix_files.h"
#include "host/word_handles.h"
#include "outline_checks.h"
#include "pdf/document_copy.h"
#include "temp_pdf.h"
#include "written_files.h"

namespace viewer::host {
namespace {

class CreatedDocumentsTest : public ::testing::Test {
 protected:
  CreatedDocumentsTest() {
    char folder[] = "/tmp/viewer-created-XXXXXX";
    folder_ = mkdtemp(folder) != nullptr ? folder : "/tmp";
  }
  ~CreatedDocumentsTest() override {
    for (const std::string& name : FolderEntries(folder_)) {
      std::remove(core::JoinPath(folder_, name).c_str());
    }
    rmdir(folder_.c_str());
    if (!source_.empty()) std::remove(source_.c_str());
  }

  // A created document holding two pages of a document of its own.
  PDDoc FilledDocument() {
    QPDF pdf;
    pdf.emptyPDF();
    for (int i = 0; i < 2; ++i) {
      QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(
          "<< /Type /Page /MediaBox [0 0 612 792] /Resources << >> >>"));
      page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, "0 0 1 rg 0 0 100 100 re f\n"));
      QPDFPageDocumentHelper(pdf).addPage(QPDFPageObjectHelper(page), false);
    }
    AddOutlineItemPerPage(pdf);
    source_ = WriteTempPdf(pdf, "viewer-created-src");
    from_ = pdf::PdfDocument::Open(source_);
    const PDDoc doc = CreateDocument();
    pdf::PagesToInsert what;
    what.count = 2;
    what.withOutline = true;
    pdf::InsertPagesFrom(*FindCreatedDocument(doc), *from_, what, nullptr);
    return doc;
  }

  std::string folder_, source_;
  std::unique_ptr<pdf::PdfDocument> from_;
};

TEST_F(CreatedDocumentsTest, ANewDocumentIsEmptyAndClosingFreesIt) {
  const size_t before = CreatedDocumentCount();
  const PDDoc doc = CreateDocument();
  EXPECT_EQ(CreatedDocumentCount(), before + 1);
  pdf::PdfDocument* model = FindCreatedDocument(doc);
  ASSERT_NE(model, nullptr);
  EXPECT_EQ(model->PageCount(), 0);
  EXPECT_TRUE(model->path().empty());
  EXPECT_FALSE(model->qpdf().getRoot().hasKey("/Outlines"));
  const pdf::OutlineIndex& outline = model->Outline();
  EXPECT_EQ(outline.Node(outline.root())->first.state, pdf::OutlineLinkState::Absent);
  // Its handles lead back to it, like an open document's.
  const PDObjectRef root = model->handles().RefOf(outline.root());
  pdf::HandleTarget target;
  ASSERT_TRUE(pdf::ResolveHandle(root, &target));
  EXPECT_EQ(target.doc, model);
  NewWordFinder(doc, model->serial());
  const size_t finders = WordFinderCount();

  EXPECT_TRUE(CloseCreatedDocument(doc));
  EXPECT_EQ(CreatedDocumentCount(), before);
  EXPECT_EQ(FindCreatedDocument(doc), nullptr);
  EXPECT_FALSE(pdf::ResolveHandle(root, &target));
  EXPECT_EQ(WordFinderCount(), finders - 1);
  EXPECT_FALSE(CloseCreatedDocument(doc));
}

TEST_F(CreatedDocumentsTest, OnlyCreatedDocumentsAreFoundAndClosed) {
  const PDDoc doc = FilledDocument();
  const PDDoc opened = reinterpret_cast<PDDoc>(from_.get());
  EXPECT_EQ(FindCreatedDocument(opened), nullptr);
  EXPECT_FALSE(CloseCreatedDocument(opened));
  EXPECT_FALSE(CloseCreatedDocument(nullptr));
  EXPECT_TRUE(CloseCreatedDocument(doc));
}

TEST_F(CreatedDocumentsTest, ASavedDocumentIsAFileQpdfAccepts) {
  const PDDoc doc = FilledDocument();
  const std::string path = core::JoinPath(folder_, "saved.pdf");
  FindCreatedDocument(doc)->SaveAs(path);
  EXPECT_EQ(QpdfCheckProblems(path), "");
  QPDF saved;
  saved.processFile(path.c_str());
  EXPECT_EQ(saved.getAllPages().size(), 2u);
  std::string problems;
  EXPECT_EQ(OutlineListing(saved, &problems), "Item 0 Item 1");
  EXPECT_EQ(problems, "");
  EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"saved.pdf"});
  CloseCreatedDocument(doc);
}

TEST_F(CreatedDocumentsTest, AnEmptyDocumentCanBeSaved) {
  const PDDoc doc = CreateDocument();
  const std::string path = core::JoinPath(folder_, "empty.pdf");
  FindCreatedDocument(doc)->SaveAs(path);
  QPDF saved;
  saved.processFile(path.c_str());
  EXPECT_EQ(saved.getAllPages().size(), 0u);
  CloseCreatedDocument(doc);
}

TEST_F(CreatedDocumentsTest, AFailedSaveLeavesNothing) {
  const PDDoc doc = FilledDocument();
  pdf::PdfDocument& model = *FindCreatedDocument(doc);
  EXPECT_THROW(model.SaveAs(core::JoinPath(folder_, "no-such-folder/saved.pdf")), core::HostError);
  // A folder that is a file: no file can be made in it, not even by root.
  const std::string notAFolder = core::JoinPath(folder_, "plain-file");
  std::fclose(std::fopen(notAFolder.c_str(), "wb"));
  EXPECT_THROW(model.SaveAs(core::JoinPath(notAFolder, "saved.pdf")), core::HostError);
  {
    const FileSizeLimit disk(256);  // full after the first bytes
    EXPECT_THROW(model.SaveAs(core::JoinPath(folder_, "saved.pdf")), core::HostError);
  }
  EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"plain-file"});
  CloseCreatedDocument(doc);
}

}  // namespace
}  // namespace viewer::host
