// Numbers of a document as its readers take them: a value that is no number, or is not
// finite, counts as the fallback, so that no infinity or NaN reaches the arithmetic.
#pragma once

#include <algorithm>
#include <cmath>

#include <qpdf/QPDFObjectHandle.hh>

namespace viewer::pdf {

inline double NumberValue(QPDFObjectHandle value, double otherwise) {
  double number = 0;
  return value.getValueAsNumber(number) && std::isfinite(number) ? number : otherwise;
}

// The same as an integer, truncated as integers are read. Held to within 2^62 either way,
// so that converting it, and counting on from it, stays defined for a number of any size.
inline long long IntegerValue(QPDFObjectHandle value, long long otherwise) {
  constexpr double kLimit = 4611686018427387904.0;
  const double number = std::trunc(NumberValue(value, static_cast<double>(otherwise)));
  return static_cast<long long>(std::clamp(number, -kLimit, kLimit));
}

}  // namespace viewer::pdf
