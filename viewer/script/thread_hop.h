// Running a piece of the driver's work on the thread that owns a window, so that a
// long series of reads (a walk over a large tree view) costs direct calls instead of
// one cross-thread round trip each.
#pragma once

#include "script/win32.h"

#include <functional>

#include "script/driver_context.h"

namespace viewer::script {

// Runs fn on the thread that owns the window and waits for it. A StepFailure thrown
// by fn is thrown again here. Fails the step when that thread does not take the work
// within the timeout; fn then never runs.
void RunOnWindowThread(const DriverContext& context, HWND window,
                       const std::function<void()>& fn);

}  // namespace viewer::script
