// The C++ implementation of every host operation, one N_Impl per operation of
// host_operations.def. They may throw; the boundary (boundary.h) turns a throw into
// a raise to the plug-in. Operations not implemented yet fall back to a default that
// raises kHostErrNotImplemented (ops_defaults.cpp).
#pragma once

#include "host_operations.h"

namespace viewer::ops {

#define HOST_OP(table, selector, name, ret, params) ret name##_Impl params;
#include "host_operations.def"
#undef HOST_OP

}  // namespace viewer::ops
