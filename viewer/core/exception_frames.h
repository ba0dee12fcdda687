// The per-thread stack of the plug-in's error frames. A raise pops the innermost
// frame, stores the error code in it and calls its restore procedure, which jumps
// back into the plug-in and does not return.
#pragma once

#include "host_errors.h"

namespace viewer::core {

void PushExceptionFrame(ASExceptionFrame* frame, ASRestoreProc restore);
void PopExceptionFrame();
ASExceptionFrame* InnermostExceptionFrame();

// The code of the latest raise on this thread (0 before any).
ASErrorCode LastRaisedErrorCode();

// Records code for LastRaisedErrorCode, then hands it to the innermost frame. Returns
// false at once when no frame is pushed; with a frame it returns (true) only if the
// frame's restore procedure returns, which a well-behaved plug-in never lets happen.
// The caller must hold no objects with destructors: the restore jumps past it.
bool RaiseToInnermostFrame(ASErrorCode code);

// While the host calls into a plug-in (execute, enable, notification and drawing
// procedures), the plug-in's outer frames are hidden: a raise inside the call can only
// reach frames the call pushed itself, never jump out across the host's own code.
// The frames reappear when the barrier ends.
class ExceptionFrameBarrier {
 public:
  ExceptionFrameBarrier();
  ~ExceptionFrameBarrier();
  ExceptionFrameBarrier(const ExceptionFrameBarrier&) = delete;
  ExceptionFrameBarrier& operator=(const ExceptionFrameBarrier&) = delete;

 private:
  ASExceptionFrame* hidden_;
};

}  // namespace viewer::core
