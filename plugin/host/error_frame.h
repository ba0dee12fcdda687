// Error frames around host calls that can raise.
//
//   HOST_DURING
//     ... host calls ...
//   HOST_HANDLER
//     ... runs when one of them raised; HOST_ERRORCODE is the host's error code ...
//   HOST_END_HANDLER
//
// The frame is the plug-in's own saved context, pushed with a restore procedure of
// the plug-in's own. On a raise the host calls that procedure with the context's
// address and leaves the frame pushed; the procedure jumps back here, and the handler
// pops the frame before anything else, then reads the code from the host. The jump
// skips destructors: code between HOST_DURING and HOST_HANDLER must hold no objects
// with destructors, and must not leave the block by return, break or goto (that would
// leave the frame pushed). Frames nest; a raise reaches the innermost one.
#pragma once

#include "host_calls.h"

#if defined(__i386__)
#include <setjmp.h>
#endif

namespace host {

// How the context is saved and resumed differs between the two builds, and only here.
#if defined(__i386__)
// The 32-bit deliverable uses the C runtime's setjmp/longjmp, as the host's own
// plug-ins do: the runtime's longjmp also puts the thread's structured exception
// chain (the head at FS:[0]) back as it was at setjmp. A compiler-builtin jump would
// leave it pointing at the records that host code registered below the frame, into
// a dead stack, and the next exception anywhere in the process would crash.
using ErrorContext = jmp_buf;
#define HOST_SAVE_CONTEXT(context) setjmp(context)
#define HOST_RESUME_CONTEXT(context) longjmp(context, 1)
#else
// The x86_64 build (the one the winelib viewer loads): the C runtime's longjmp unwinds
// with SEH and cannot walk the viewer's native frames, and x86_64 keeps no exception
// chain in memory, so the compiler's own jump, which restores registers only, is right.
using ErrorContext = void* [5];
#define HOST_SAVE_CONTEXT(context) __builtin_setjmp(context)
#define HOST_RESUME_CONTEXT(context) __builtin_longjmp(context, 1)
#endif

[[noreturn]] inline void HOSTCALL ResumeAtErrorHandler(void* savedContext) {
  HOST_RESUME_CONTEXT(*static_cast<ErrorContext*>(savedContext));
}

}  // namespace host

#define HOST_DURING                                                                  \
  {                                                                                  \
    ::host::ErrorContext hostErrorContext;                                           \
    ::host::ASPushExceptionFrame(&hostErrorContext, &::host::ResumeAtErrorHandler); \
    if (HOST_SAVE_CONTEXT(hostErrorContext) == 0) {

#define HOST_HANDLER                                      \
      ::host::ASPopExceptionFrame();                      \
    } else {                                              \
      ::host::ASPopExceptionFrame();                      \
      [[maybe_unused]] const ASErrorCode hostErrorCode =  \
          ::host::ASGetExceptionErrorCode();

#define HOST_END_HANDLER \
    }                    \
  }

#define HOST_ERRORCODE (hostErrorCode)
