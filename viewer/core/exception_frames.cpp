#include "core/exception_frames.h"

namespace viewer::core {
namespace {

thread_local ASExceptionFrame* innermost = nullptr;
thread_local ASErrorCode lastCode = 0;

}  // namespace

void PushExceptionFrame(ASExceptionFrame* frame, ASRestoreProc restore) {
  if (frame == nullptr) return;
  frame->previous = innermost;
  frame->restore = restore;
  frame->errorCode = 0;
  innermost = frame;
}

void PopExceptionFrame() {
  if (innermost != nullptr) innermost = innermost->previous;
}

ASExceptionFrame* InnermostExceptionFrame() { return innermost; }

ASErrorCode LastRaisedErrorCode() { return lastCode; }

bool RaiseToInnermostFrame(ASErrorCode code) {
  lastCode = code;
  ASExceptionFrame* frame = innermost;
  if (frame == nullptr) return false;
  innermost = frame->previous;
  frame->errorCode = code;
  if (frame->restore != nullptr) frame->restore(frame);
  return true;
}

ExceptionFrameBarrier::ExceptionFrameBarrier() : hidden_(innermost) { innermost = nullptr; }

ExceptionFrameBarrier::~ExceptionFrameBarrier() { innermost = hidden_; }

}  // namespace viewer::core
