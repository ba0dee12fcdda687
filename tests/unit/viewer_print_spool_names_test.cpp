// The spool folder and the names of its job files.
#include "print/spool_names.h"

#include <gtest/gtest.h>

namespace viewer::print {
namespace {

TEST(SpoolNames, FolderIsTheVariableElseBesideTheViewer) {
  EXPECT_EQ(SpoolFolderFor("/tmp/my spool", "/opt/viewer"), "/tmp/my spool");
  EXPECT_EQ(SpoolFolderFor(nullptr, "/opt/viewer"), "/opt/viewer/spool");
  EXPECT_EQ(SpoolFolderFor("", "/opt/viewer/"), "/opt/viewer/spool");
}

TEST(SpoolNames, JobFilesAreNumberedWithFourDigits) {
  EXPECT_EQ(JobFileName(1), "job-0001.pdf");
  EXPECT_EQ(JobFileName(42), "job-0042.pdf");
  EXPECT_EQ(JobFileName(12345), "job-12345.pdf");
}

TEST(SpoolNames, ReadsTheNumberOfJobFilesOnly) {
  EXPECT_EQ(JobNumberOf("job-0001.pdf"), 1);
  EXPECT_EQ(JobNumberOf("job-12345.pdf"), 12345);
  EXPECT_EQ(JobNumberOf("job-.pdf"), std::nullopt);
  EXPECT_EQ(JobNumberOf("job-00a1.pdf"), std::nullopt);
  EXPECT_EQ(JobNumberOf("job-0001.pdf.part"), std::nullopt);
  EXPECT_EQ(JobNumberOf("other-0001.pdf"), std::nullopt);
  EXPECT_EQ(JobNumberOf("jobs.txt"), std::nullopt);
}

TEST(SpoolNames, NextNumberFollowsTheHighestPresent) {
  EXPECT_EQ(NextJobNumber({}), 1);
  EXPECT_EQ(NextJobNumber({"/s/job-0002.pdf", "/s/job-0007.pdf", "/s/job-0003.pdf"}), 8);
  EXPECT_EQ(NextJobNumber({"/s/notes.pdf", "/s/job-0001.pdf"}), 2);
}

}  // namespace
}  // namespace viewer::print
