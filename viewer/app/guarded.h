// Window procedures are called through Wine's user32, which no C++ exception may
// cross: a failure inside a handler is reported on stderr and the message answered
// with a neutral result.
#pragma once

#include <windows.h>

#include <cstdio>
#include <exception>

namespace viewer {

template <typename Handler>
LRESULT Guarded(const Handler& handler) {
  try {
    return handler();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "viewer: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "viewer: unexpected failure in a window procedure\n");
  }
  return 0;
}

}  // namespace viewer
