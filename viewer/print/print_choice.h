// What the user chose in the Print dialog: a printer, a page range and a number of
// copies, read from the dialog's texts.
#pragma once

#include <string>

namespace viewer::print {

inline constexpr int kMostCopies = 999;

struct PrintChoice {
  std::string printer;
  int firstPage = 0;  // 0-based
  int lastPage = 0;   // 0-based, inclusive
  int copies = 1;
};

// Reads the 1-based "From" and "To" pages and the copies of the dialog into choice
// (its printer is left alone). Answers what to tell the user when they do not make a
// job (pages outside 1..pageCount, From after To, copies outside 1..999), else "".
std::string ReadPrintChoice(const std::string& fromText, const std::string& toText,
                            const std::string& copiesText, int pageCount, PrintChoice& choice);

}  // namespace viewer::print
