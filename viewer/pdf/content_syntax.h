// Numbers and strings as content streams write them.
#pragma once

#include <string>
#include <string_view>

namespace viewer::pdf {

// Plain decimal notation (never an exponent), at most five decimals, without trailing
// zeros: 12, -0.5, 0.00002. Fixed-point values of the host come out exactly enough.
std::string PdfNumber(double value);

// A literal string "(...)": the parentheses and backslash escaped, line ends and every
// byte outside printable ASCII written as a three-digit octal escape, so the stream
// stays plain ASCII and the bytes read back unchanged.
std::string PdfLiteralString(std::string_view bytes);

}  // namespace viewer::pdf
