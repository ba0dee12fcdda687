// 16.16 fixed-point arithmetic of the host's geometry calls.
#pragma once

#include "host_types.h"

namespace viewer::core {

// Rounds to nearest and saturates at the ends of the 32-bit range.
ASFixed FixedMultiply(ASFixed a, ASFixed b);
ASFixed DoubleToFixed(double value);
double FixedToDouble(ASFixed value);

// first x second for matrices [a b 0; c d 0; h v 1] acting on row vectors, so the
// result maps a point through `first`, then through `second`. result may be either
// operand.
void ConcatFixedMatrix(ASFixedMatrix* result, const ASFixedMatrix& first,
                       const ASFixedMatrix& second);

}  // namespace viewer::core
