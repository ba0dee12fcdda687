// The one boundary between the plug-in and the host's C++ code. Every host operation
// (and every host procedure handed to the plug-in) is entered through
// Boundary<&Impl>::Call: a failure inside is caught, every C++ object of the
// operation is destroyed, and only then is the error raised to the plug-in's innermost
// frame, whose restore procedure jumps back into the plug-in and never returns here.
#pragma once

#include <type_traits>

#include "host_errors.h"

namespace viewer::host {

// The error code of the exception being handled (call only inside a catch block).
ASErrorCode CodeOfCurrentException();

// Raises code to the plug-in's innermost error frame. With no frame pushed it shows
// the error in an alert and returns.
void RaiseToPlugin(ASErrorCode code);

template <auto Impl>
struct Boundary;

template <typename R, typename... A, R (*Impl)(A...)>
struct Boundary<Impl> {
  static R HOSTCALL Call(A... args) {
    ASErrorCode code = 0;
    try {
      return Impl(args...);
    } catch (...) {
      code = CodeOfCurrentException();
    }
    // Outside the catch block: the exception and every object of Impl are gone.
    RaiseToPlugin(code);
    if constexpr (!std::is_void_v<R>) return R{};
  }
};

// Whether this call (counted from 1) of the operation a test makes fail is to fail.
bool FailsThisCall();

// The operation a test asks to fail (host_tables.h): at the calls it names it fails as
// the host would, without doing anything; at the others it works as usual.
template <auto Impl>
struct FailingBoundary;

template <typename R, typename... A, R (*Impl)(A...)>
struct FailingBoundary<Impl> {
  static R HOSTCALL Call(A... args) {
    if (!FailsThisCall()) return Boundary<Impl>::Call(args...);
    RaiseToPlugin(kHostErrGeneral);
    if constexpr (!std::is_void_v<R>) return R{};
  }
};

}  // namespace viewer::host
