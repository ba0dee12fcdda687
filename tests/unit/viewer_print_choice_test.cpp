// The Print dialog's pages and copies, as typed.
#include "print/print_choice.h"

#include <gtest/gtest.h>

namespace viewer::print {
namespace {

TEST(PrintChoice, ReadsOneBasedPagesAndCopies) {
  PrintChoice choice;
  choice.printer = "Spool printer";
  EXPECT_EQ(ReadPrintChoice("2", " 5 ", "3", 12, choice), "");
  EXPECT_EQ(choice.firstPage, 1);
  EXPECT_EQ(choice.lastPage, 4);
  EXPECT_EQ(choice.copies, 3);
  EXPECT_EQ(choice.printer, "Spool printer");
}

TEST(PrintChoice, RefusesPagesOutsideTheDocumentOrReversed) {
  PrintChoice choice;
  for (auto [from, to] : {std::pair{"0", "3"}, {"1", "13"}, {"5", "4"}, {"", "3"}, {"x", "3"},
                          {"-1", "3"}}) {
    EXPECT_NE(ReadPrintChoice(from, to, "1", 12, choice), "") << from << "-" << to;
  }
  EXPECT_EQ(choice.firstPage, 0);  // left alone
}

TEST(PrintChoice, RefusesCopiesOutsideOneTo999) {
  PrintChoice choice;
  EXPECT_NE(ReadPrintChoice("1", "1", "0", 1, choice), "");
  EXPECT_NE(ReadPrintChoice("1", "1", "1000", 1, choice), "");
  EXPECT_NE(ReadPrintChoice("1", "1", "", 1, choice), "");
  EXPECT_EQ(ReadPrintChoice("1", "1", "999", 1, choice), "");
}

}  // namespace
}  // namespace viewer::print
