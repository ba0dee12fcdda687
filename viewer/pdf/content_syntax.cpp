#include "pdf/content_syntax.h"

#include <cmath>
#include <cstdio>

namespace viewer::pdf {

std::string PdfNumber(double value) {
  if (!std::isfinite(value)) return "0";
  char text[64];
  std::snprintf(text, sizeof text, "%.5f", value);
  std::string number = text;
  while (number.back() == '0') number.pop_back();
  if (number.back() == '.') number.pop_back();
  if (number == "-0") number = "0";
  return number;
}

std::string PdfLiteralString(std::string_view bytes) {
  std::string literal = "(";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '(' || c == ')' || c == '\\') {
      literal += '\\';
      literal += c;
    } else if (byte < 0x20 || byte >= 0x7F) {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\%03o", byte);
      literal += escape;
    } else {
      literal += c;
    }
  }
  literal += ')';
  return literal;
}

}  // namespace viewer::pdf
