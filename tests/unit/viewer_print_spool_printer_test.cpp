// The spool printer: a job file per job, numbered after the highest present, and a
// line per job in jobs.txt.
#include "print/spool_printer.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "core/host_error.h"

namespace viewer::print {
namespace {

class SpoolPrinterTest : public ::testing::Test {
 protected:
  SpoolPrinterTest() {
    char folder[] = "/tmp/viewer-spool-XXXXXX";
    root_ = mkdtemp(folder);
    source_ = root_ + "/doc.pdf";
    QPDF pdf;
    pdf.emptyPDF();
    QPDFPageDocumentHelper pages(pdf);
    for (int i = 0; i < 4; ++i) {
      pages.addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(QPDFObjectHandle::parse(
                        "<< /Type /Page /MediaBox [0 0 612 792] /Resources << >> >>"))),
                    false);
    }
    QPDFWriter writer(pdf, source_.c_str());
    writer.write();
    doc_ = pdf::PdfDocument::Open(source_);
  }
  ~SpoolPrinterTest() override {
    doc_.reset();
    const std::string command = "rm -rf '" + root_ + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
  }

  static int PagesOf(const std::string& path) {
    QPDF pdf;
    pdf.processFile(path.c_str());
    return static_cast<int>(pdf.getAllPages().size());
  }
  static std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }

  std::string root_, source_;
  std::unique_ptr<pdf::PdfDocument> doc_;
};

TEST_F(SpoolPrinterTest, CreatesTheFolderAndNumbersTheJobs) {
  const std::string spool = root_ + "/a/b/spool";
  EXPECT_EQ(SpoolJob(*doc_, 1, 2, 1, spool), spool + "/job-0001.pdf");
  EXPECT_EQ(PagesOf(spool + "/job-0001.pdf"), 2);
  EXPECT_EQ(SpoolJob(*doc_, 0, 3, 2, spool), spool + "/job-0002.pdf");
  EXPECT_EQ(PagesOf(spool + "/job-0002.pdf"), 8);
  EXPECT_EQ(Read(spool + "/jobs.txt"), "1\t" + source_ + "\t2-3\tSpool printer\t1\n" + "2\t" +
                                           source_ + "\t1-4\tSpool printer\t2\n");
}

TEST_F(SpoolPrinterTest, ContinuesAfterTheHighestJobPresent) {
  const std::string spool = root_ + "/spool";
  ASSERT_EQ(mkdir(spool.c_str(), 0777), 0);
  std::ofstream(spool + "/job-0007.pdf") << "old";
  EXPECT_EQ(SpoolJob(*doc_, 0, 0, 1, spool), spool + "/job-0008.pdf");
}

// Another printer's jobs in the folder between two of ours: a job file with our next
// number is never overwritten, even when the folder's time did not move on (a change
// within the clock's tick, set here), and a folder changed since our last job is read
// again (its time set apart, as a later change leaves it).
TEST_F(SpoolPrinterTest, NumbersAroundJobsWrittenByOthers) {
  const std::string spool = root_ + "/spool";
  EXPECT_EQ(SpoolJob(*doc_, 0, 0, 1, spool), spool + "/job-0001.pdf");
  struct stat afterFirst {};
  ASSERT_EQ(stat(spool.c_str(), &afterFirst), 0);
  std::ofstream(spool + "/job-0002.pdf") << "someone else's";
  const timespec sameTick[2] = {{0, UTIME_OMIT}, afterFirst.st_mtim};
  ASSERT_EQ(utimensat(AT_FDCWD, spool.c_str(), sameTick, 0), 0);
  EXPECT_EQ(SpoolJob(*doc_, 0, 0, 1, spool), spool + "/job-0003.pdf");
  EXPECT_EQ(Read(spool + "/job-0002.pdf"), "someone else's");

  std::ofstream(spool + "/job-0009.pdf") << "someone else's";
  const timespec later[2] = {{0, UTIME_OMIT}, {2000000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, spool.c_str(), later, 0), 0);
  EXPECT_EQ(SpoolJob(*doc_, 0, 0, 1, spool), spool + "/job-0010.pdf");

  for (const char* name : {"job-0001.pdf", "job-0002.pdf", "job-0003.pdf", "job-0009.pdf",
                           "job-0010.pdf"}) {
    ASSERT_EQ(std::remove((spool + "/" + name).c_str()), 0);
  }
  const timespec laterStill[2] = {{0, UTIME_OMIT}, {2000000100, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, spool.c_str(), laterStill, 0), 0);
  EXPECT_EQ(SpoolJob(*doc_, 0, 0, 1, spool), spool + "/job-0001.pdf");
}

TEST_F(SpoolPrinterTest, LeavesNoPartialFileBehind) {
  const std::string spool = root_ + "/spool";
  SpoolJob(*doc_, 0, 0, 1, spool);
  struct stat info {};
  EXPECT_NE(stat((spool + "/job-0001.pdf.part").c_str(), &info), 0);
  EXPECT_EQ(stat((spool + "/job-0001.pdf").c_str(), &info), 0);
}

TEST_F(SpoolPrinterTest, AFolderThatCannotBeMadeIsAPrintError) {
  std::ofstream(root_ + "/plain-file") << "not a folder";
  try {
    SpoolJob(*doc_, 0, 0, 1, root_ + "/plain-file/spool");
    FAIL() << "no error";
  } catch (const core::HostError& e) {
    EXPECT_EQ(e.code(), kHostErrPrint);
  }
}

}  // namespace
}  // namespace viewer::print
