#include "core/fixed_math.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace viewer::core {
namespace {

ASFixed Saturate(int64_t value) {
  if (value > std::numeric_limits<ASFixed>::max()) return std::numeric_limits<ASFixed>::max();
  if (value < std::numeric_limits<ASFixed>::min()) return std::numeric_limits<ASFixed>::min();
  return static_cast<ASFixed>(value);
}

// A sum of 32.32 products brought back to 16.16, rounded half away from zero.
ASFixed FromProductSum(int64_t sum) {
  const int64_t half = int64_t{1} << 15;
  const int64_t rounded = sum >= 0 ? (sum + half) >> 16 : -((-sum + half) >> 16);
  return Saturate(rounded);
}

int64_t Product(ASFixed a, ASFixed b) { return int64_t{a} * int64_t{b}; }

}  // namespace

ASFixed FixedMultiply(ASFixed a, ASFixed b) { return FromProductSum(Product(a, b)); }

ASFixed DoubleToFixed(double value) {
  return Saturate(static_cast<int64_t>(std::llround(value * fixedOne)));
}

double FixedToDouble(ASFixed value) { return static_cast<double>(value) / fixedOne; }

void ConcatFixedMatrix(ASFixedMatrix* result, const ASFixedMatrix& first,
                       const ASFixedMatrix& second) {
  const ASFixedMatrix& m = second;  // applied first
  const ASFixedMatrix& n = first;   // applied after it
  const int64_t translation = int64_t{1} << 16;  // the implicit 1 of the third column
  ASFixedMatrix r;
  r.a = FromProductSum(Product(m.a, n.a) + Product(m.b, n.c));
  r.b = FromProductSum(Product(m.a, n.b) + Product(m.b, n.d));
  r.c = FromProductSum(Product(m.c, n.a) + Product(m.d, n.c));
  r.d = FromProductSum(Product(m.c, n.b) + Product(m.d, n.d));
  r.h = FromProductSum(Product(m.h, n.a) + Product(m.v, n.c) + n.h * translation);
  r.v = FromProductSum(Product(m.h, n.b) + Product(m.v, n.d) + n.v * translation);
  *result = r;
}

}  // namespace viewer::core
