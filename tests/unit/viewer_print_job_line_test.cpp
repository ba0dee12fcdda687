// The job list's line: five tab-separated fields.
#include "print/job_line.h"

#include <gtest/gtest.h>

namespace viewer::print {
namespace {

TEST(JobLine, FiveFieldsSeparatedByTabs) {
  JobLine job;
  job.jobNumber = 3;
  job.document = "/home/me/plans.pdf";
  job.firstPage = 2;
  job.lastPage = 5;
  job.printer = "Spool printer";
  job.copies = 2;
  EXPECT_EQ(FormatJobLine(job), "3\t/home/me/plans.pdf\t2-5\tSpool printer\t2\n");
}

TEST(JobLine, TabsAndLineEndsInAFieldBecomeBlanks) {
  JobLine job;
  job.jobNumber = 1;
  job.document = "/tmp/a\tb\nc.pdf";
  job.printer = "Office\r";
  EXPECT_EQ(FormatJobLine(job), "1\t/tmp/a b c.pdf\t1-1\tOffice \t1\n");
}

}  // namespace
}  // namespace viewer::print
