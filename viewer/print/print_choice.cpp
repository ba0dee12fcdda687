#include "print/print_choice.h"

#include <optional>

namespace viewer::print {
namespace {

// A plain decimal number with blanks around it allowed.
std::optional<int> NumberOf(const std::string& text) {
  const auto begin = text.find_first_not_of(' ');
  if (begin == std::string::npos) return std::nullopt;
  const auto end = text.find_last_not_of(' ') + 1;
  long long value = 0;
  for (auto i = begin; i < end; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > 1000000000) return std::nullopt;
  }
  return static_cast<int>(value);
}

}  // namespace

std::string ReadPrintChoice(const std::string& fromText, const std::string& toText,
                            const std::string& copiesText, int pageCount, PrintChoice& choice) {
  const std::optional<int> from = NumberOf(fromText), to = NumberOf(toText);
  if (!from || !to || *from < 1 || *to > pageCount || *from > *to) {
    return "Enter the pages to print: From and To between 1 and " + std::to_string(pageCount) +
           ", From not after To.";
  }
  const std::optional<int> copies = NumberOf(copiesText);
  if (!copies || *copies < 1 || *copies > kMostCopies) {
    return "Enter a number of copies from 1 to " + std::to_string(kMostCopies) + ".";
  }
  choice.firstPage = *from - 1;
  choice.lastPage = *to - 1;
  choice.copies = *copies;
  return {};
}

}  // namespace viewer::print
