// 16.16 fixed-point arithmetic of the host's geometry calls.
#pragma once

#include "host_types.h"

namespace viewer::core {

// Rounds to nearest and saturates at the ends of the 32-bit range.
ASFixed FixedMultiply(ASFixed a, ASFixed b);
ASFixed DoubleToFixed(double value);
double FixedToDouble(ASFixed value);

// The matrix that maps a point through `second`, then through `first`, as the host's
// matrix concatenation does: concatenating a translation (first) with a rotation
// (second) turns text about its own origin and then puts it in place. For matrices
// [a b 0; c d 0; h v 1] acting on row vectors that is second x first. result may be
// either operand.
void ConcatFixedMatrix(ASFixedMatrix* result, const ASFixedMatrix& first,
                       const ASFixedMatrix& second);

}  // namespace viewer::core
