// Error frames around host calls that can raise.
//
//   HOST_DURING
//     ... host calls ...
//   HOST_HANDLER
//     ... runs when one of them raised; HOST_ERRORCODE is the host's error code ...
//   HOST_END_HANDLER
//
// The frame is pushed with a restore callback of the plug-in's own. On a raise the
// host releases its own state, pops the frame, stores the code in it and calls the
// callback, which jumps back here with __builtin_longjmp; so the handler does not
// pop. The jump skips destructors: code between HOST_DURING and HOST_HANDLER must
// hold no objects with destructors, and must not leave the block by return, break
// or goto (that would leave the frame pushed). Frames nest; a raise reaches the
// innermost one.
#pragma once

#include "host_calls.h"

namespace host {

[[noreturn]] inline void HOSTCALL ResumeAtErrorHandler(ASExceptionFrame* frame) {
  __builtin_longjmp(frame->jumpBuffer, 1);
}

}  // namespace host

#define HOST_DURING                                                              \
  {                                                                              \
    ASExceptionFrame hostErrorFrame{};                                           \
    ::host::ASPushExceptionFrame(&hostErrorFrame, &::host::ResumeAtErrorHandler); \
    if (__builtin_setjmp(hostErrorFrame.jumpBuffer) == 0) {

#define HOST_HANDLER              \
      ::host::ASPopExceptionFrame(); \
    } else {

#define HOST_END_HANDLER \
    }                    \
  }

#define HOST_ERRORCODE (hostErrorFrame.errorCode)
