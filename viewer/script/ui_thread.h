// Asking the application for something on its user-interface thread.
#pragma once

#include "script/win32.h"

#include "app/driver_services.h"

namespace viewer::script {

template <typename Fn>
auto OnUiThread(Fn&& fn) -> decltype(fn()) {
  decltype(fn()) result{};
  viewer::RunOnUiThread([&] { result = fn(); });
  return result;
}

}  // namespace viewer::script
