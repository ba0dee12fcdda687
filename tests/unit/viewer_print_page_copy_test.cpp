// The printed copy: the chosen pages in order, repeated per copy, with the layers the
// viewer shows now written as the copy's default configuration.
#include "print/page_copy.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "core/host_error.h"
#include "temp_pdf.h"

namespace viewer::print {
namespace {

// Five pages whose content names them ("Page 1"...), drawing on three layers A, B and C,
// of which C starts hidden.
class PageCopyTest : public ::testing::Test {
 protected:
  PageCopyTest() {
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle ocgs = QPDFObjectHandle::newArray();
    QPDFObjectHandle properties = QPDFObjectHandle::newDictionary();
    for (const char* name : {"A", "B", "C"}) {
      QPDFObjectHandle ocg = pdf.makeIndirectObject(QPDFObjectHandle::parse(
          std::string("<< /Type /OCG /Name (") + name + ") >>"));
      ocgs.appendItem(ocg);
      properties.replaceKey(std::string("/") + name, ocg);
    }
    QPDFObjectHandle oc = QPDFObjectHandle::newDictionary();
    oc.replaceKey("/OCGs", ocgs);
    QPDFObjectHandle config = QPDFObjectHandle::parse("<< /OFF [] >>");
    config.getKey("/OFF").appendItem(ocgs.getArrayItem(2));
    oc.replaceKey("/D", config);
    pdf.getRoot().replaceKey("/OCProperties", oc);

    QPDFPageDocumentHelper pages(pdf);
    for (int i = 1; i <= 5; ++i) {
      QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(
          "<< /Type /Page /MediaBox [0 0 612 792] /Resources << >> >>"));
      page.getKey("/Resources").replaceKey("/Properties", properties);
      const std::string content = "% Page " + std::to_string(i) +
                                  "\n/OC /A BDC EMC /OC /B BDC EMC /OC /C BDC EMC\n";
      page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, content));
      pages.addPage(QPDFPageObjectHelper(page), false);
    }
    source_ = WriteTempPdf(pdf, "viewer-print-src");
    doc_ = pdf::PdfDocument::Open(source_);
    output_ = TempPath("viewer-print-out");
  }
  ~PageCopyTest() override {
    std::remove(source_.c_str());
    std::remove(output_.c_str());
  }

  // The page markers of the copy, in page order ("1,2,3").
  std::string PagesOfCopy() {
    QPDF copy;
    copy.processFile(output_.c_str());
    std::string markers;
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(copy).getAllPages()) {
      auto data = page.getObjectHandle().getKey("/Contents").getStreamData();
      const std::string text(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
      const auto at = text.find("% Page ");
      markers += (markers.empty() ? "" : ",") +
                 (at == std::string::npos ? "?" : text.substr(at + 7, text.find('\n', at) - at - 7));
    }
    return markers;
  }

  // The names in the copy's /OCProperties /D /ON or /OFF ("A,B").
  std::string LayersOfCopy(const char* key) {
    QPDF copy;
    copy.processFile(output_.c_str());
    QPDFObjectHandle list = copy.getRoot().getKey("/OCProperties").getKey("/D").getKey(key);
    std::string names;
    for (QPDFObjectHandle ocg : list.aitems()) {
      names += (names.empty() ? "" : ",") + ocg.getKey("/Name").getUTF8Value();
    }
    return names;
  }

  void ApplyLayers(const std::string& state) {
    QPDFObjectHandle array = QPDFObjectHandle::newArray();
    QPDFObjectHandle ocgs = doc_->qpdf().getRoot().getKey("/OCProperties").getKey("/OCGs");
    for (char c : state) {
      if (c == '+') array.appendItem(QPDFObjectHandle::newName("/ON"));
      else if (c == '-') array.appendItem(QPDFObjectHandle::newName("/OFF"));
      else array.appendItem(ocgs.getArrayItem(c - 'A'));
    }
    ASSERT_TRUE(doc_->layers().Apply(array, false));
  }

  std::string source_, output_;
  std::unique_ptr<pdf::PdfDocument> doc_;
};

TEST_F(PageCopyTest, HoldsExactlyTheChosenPagesInOrder) {
  WritePrintCopy(*doc_, 1, 3, 1, output_);
  EXPECT_EQ(PagesOfCopy(), "2,3,4");
  WritePrintCopy(*doc_, 4, 4, 1, output_);
  EXPECT_EQ(PagesOfCopy(), "5");
}

TEST_F(PageCopyTest, RepeatsTheRunForEachCopy) {
  WritePrintCopy(*doc_, 0, 1, 3, output_);
  EXPECT_EQ(PagesOfCopy(), "1,2,1,2,1,2");
}

TEST_F(PageCopyTest, WritesTheDocumentsLayersWhenUnchanged) {
  WritePrintCopy(*doc_, 0, 0, 1, output_);
  EXPECT_EQ(LayersOfCopy("/ON"), "A,B");
  EXPECT_EQ(LayersOfCopy("/OFF"), "C");
}

TEST_F(PageCopyTest, WritesTheLayersShownNow) {
  ApplyLayers("-A+C");
  WritePrintCopy(*doc_, 2, 2, 1, output_);
  EXPECT_EQ(LayersOfCopy("/ON"), "B,C");
  EXPECT_EQ(LayersOfCopy("/OFF"), "A");
  EXPECT_EQ(PagesOfCopy(), "3");
  // The viewer's document keeps its own configuration.
  QPDFObjectHandle off =
      doc_->qpdf().getRoot().getKey("/OCProperties").getKey("/D").getKey("/OFF");
  ASSERT_EQ(off.getArrayNItems(), 1);
  EXPECT_EQ(off.getArrayItem(0).getKey("/Name").getUTF8Value(), "C");
}

TEST_F(PageCopyTest, PagesNameTheCopysOwnLayers) {
  WritePrintCopy(*doc_, 0, 0, 1, output_);
  QPDF copy;
  copy.processFile(output_.c_str());
  QPDFObjectHandle ocgs = copy.getRoot().getKey("/OCProperties").getKey("/OCGs");
  QPDFObjectHandle properties =
      QPDFPageDocumentHelper(copy).getAllPages()[0].getAttribute("/Resources", false).getKey(
          "/Properties");
  EXPECT_EQ(properties.getKey("/A").getObjGen(), ocgs.getArrayItem(0).getObjGen());
  EXPECT_EQ(properties.getKey("/C").getObjGen(), ocgs.getArrayItem(2).getObjGen());
}

TEST_F(PageCopyTest, CopiesAChangedDocumentAsItStandsNow) {
  QPDFPageDocumentHelper(doc_->qpdf()).removePage(QPDFPageDocumentHelper(doc_->qpdf()).getAllPages()[0]);
  doc_->MarkChanged();
  WritePrintCopy(*doc_, 0, 1, 1, output_);
  EXPECT_EQ(PagesOfCopy(), "2,3");
}

TEST_F(PageCopyTest, RefusesARangeOutsideTheDocument) {
  try {
    WritePrintCopy(*doc_, 3, 5, 1, output_);
    FAIL() << "no error";
  } catch (const core::HostError& e) {
    EXPECT_EQ(e.code(), kHostErrBadPage);
  }
}

TEST_F(PageCopyTest, AFileThatCannotBeWrittenIsAPrintError) {
  try {
    WritePrintCopy(*doc_, 0, 0, 1, "/nonexistent-folder/job.pdf");
    FAIL() << "no error";
  } catch (const core::HostError& e) {
    EXPECT_EQ(e.code(), kHostErrPrint);
  }
}

// A one-page document whose page carries `marker`, written to path.
void WriteMarkedDocument(const std::string& path, char marker) {
  QPDF pdf;
  pdf.emptyPDF();
  QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(
      "<< /Type /Page /MediaBox [0 0 612 792] /Resources << >> >>"));
  page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, std::string("% Page ") + marker + "\n"));
  QPDFPageDocumentHelper(pdf).addPage(QPDFPageObjectHelper(page), false);
  QPDFWriter writer(pdf, path.c_str());
  writer.setStaticID(true);
  writer.setCompressStreams(false);
  writer.write();
}

TEST_F(PageCopyTest, AFileWrittenAgainUnderItsNameIsReadAgain) {
  // The index file of two jobs: the same name, the same size, and here even the same
  // times and the same inode, as two quick jobs can leave it.
  const std::string index = TempPath("viewer-print-index");
  WriteMarkedDocument(index, '1');
  struct stat first {};
  ASSERT_EQ(stat(index.c_str(), &first), 0);
  auto job = pdf::PdfDocument::Open(index);
  WritePrintCopy(*job, 0, 0, 1, output_);
  EXPECT_EQ(PagesOfCopy(), "1");
  job.reset();

  std::string bytes;
  {
    std::FILE* file = std::fopen(index.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    std::fclose(file);
  }
  const size_t at = bytes.find("% Page 1");
  ASSERT_NE(at, std::string::npos);
  bytes[at + 7] = '2';
  std::FILE* file = std::fopen(index.c_str(), "r+b");  // in place: the inode stays
  ASSERT_NE(file, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  const timespec times[2] = {first.st_atim, first.st_mtim};
  ASSERT_EQ(utimensat(AT_FDCWD, index.c_str(), times, 0), 0);

  job = pdf::PdfDocument::Open(index);
  WritePrintCopy(*job, 0, 0, 1, output_);
  EXPECT_EQ(PagesOfCopy(), "2");
  std::remove(index.c_str());
}

}  // namespace
}  // namespace viewer::print
