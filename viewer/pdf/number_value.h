// A number of a document as its readers take it: a value that is no number, or is not
// finite, counts as the fallback, so that no infinity or NaN reaches the arithmetic.
#pragma once

#include <cmath>

#include <qpdf/QPDFObjectHandle.hh>

namespace viewer::pdf {

inline double NumberValue(QPDFObjectHandle value, double otherwise) {
  double number = 0;
  return value.getValueAsNumber(number) && std::isfinite(number) ? number : otherwise;
}

}  // namespace viewer::pdf
