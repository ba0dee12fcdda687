// Reading the print parameter record: its size, its page range, its interactive flag.
#include "print/print_request.h"

#include <gtest/gtest.h>

#include "core/host_error.h"

namespace viewer::print {
namespace {

AVDocPrintParamsRec Record(int first, int last, bool interactive = false) {
  AVDocPrintParamsRec record{};
  record.size = sizeof record;
  record.interactive = interactive ? 1 : 0;
  record.firstPage = first;
  record.lastPage = last;
  return record;
}

ASErrorCode CodeOf(const AVDocPrintParamsRec* record, int pageCount) {
  try {
    ReadPrintRequest(record, pageCount);
  } catch (const core::HostError& e) {
    return e.code();
  }
  return 0;
}

TEST(PrintRequest, ReadsTheRangeAndTheInteractiveFlag) {
  const AVDocPrintParamsRec record = Record(2, 5, true);
  const PrintRequest request = ReadPrintRequest(&record, 12);
  EXPECT_TRUE(request.interactive);
  EXPECT_EQ(request.firstPage, 2);
  EXPECT_EQ(request.lastPage, 5);
  const AVDocPrintParamsRec silent = Record(0, 11);
  EXPECT_FALSE(ReadPrintRequest(&silent, 12).interactive);
}

TEST(PrintRequest, RefusesAMissingOrShortRecord) {
  EXPECT_EQ(CodeOf(nullptr, 12), kHostErrBadParameter);
  AVDocPrintParamsRec record = Record(0, 0);
  record.size = 0;
  EXPECT_EQ(CodeOf(&record, 12), kHostErrBadParameter);
  record.size = 12;  // ends before the last page
  EXPECT_EQ(CodeOf(&record, 12), kHostErrBadParameter);
  record.size = 16;
  EXPECT_EQ(CodeOf(&record, 12), 0);
}

TEST(PrintRequest, RefusesARangeOutsideTheDocument) {
  for (auto [first, last] : {std::pair{-1, 3}, {0, 12}, {5, 4}, {12, 12}}) {
    const AVDocPrintParamsRec record = Record(first, last);
    EXPECT_EQ(CodeOf(&record, 12), kHostErrBadPage) << first << "-" << last;
  }
  const AVDocPrintParamsRec onePage = Record(11, 11);
  EXPECT_EQ(CodeOf(&onePage, 12), 0);
}

TEST(PrintRequest, PrintableRanges) {
  EXPECT_TRUE(IsPrintableRange(0, 0, 1));
  EXPECT_FALSE(IsPrintableRange(0, 0, 0));
  EXPECT_FALSE(IsPrintableRange(3, 2, 10));
}

}  // namespace
}  // namespace viewer::print
