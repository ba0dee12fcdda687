// Every operation of the host interface exists from the start: until a real
// implementation elsewhere in the viewer replaces it (a strong definition overrides
// these weak ones at link time), an operation raises kHostErrNotImplemented.
#include "core/host_error.h"
#include "host/host_impl.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace viewer::ops {

#define HOST_OP(table, selector, name, ret, params) \
  __attribute__((weak)) ret name##_Impl params {    \
    throw core::HostError(kHostErrNotImplemented, #name); \
  }
#include "host_operations.def"
#undef HOST_OP

}  // namespace viewer::ops
