// Error frames across the plug-in/host boundary.
//
// The plug-in pushes a frame holding a restore callback of its own. When a host
// operation fails, the host first releases its own C++ state, pops the innermost
// frame, stores the error code in it and calls the frame's restore callback, which
// jumps back into the plug-in with __builtin_longjmp. The C runtime's longjmp cannot
// be used: on x86_64 it unwinds with SEH and cannot walk the host's native frames.
// Code between a frame's push and pop must hold no objects with destructors.
#pragma once

#include "host_types.h"

struct ASExceptionFrame;
using ASRestoreProc = void(HOSTCALL*)(ASExceptionFrame* frame);

struct ASExceptionFrame {
  ASExceptionFrame* previous;  // the host's link to the enclosing frame
  ASRestoreProc restore;       // called by the host, after popping, to resume the handler
  ASErrorCode errorCode;       // set by the host before restore
  void* jumpBuffer[5];         // __builtin_setjmp's buffer
};

// Error codes the host raises: severity and system in the high bits, code low.
constexpr ASErrorCode kHostErrGeneral = 0x40000001;
constexpr ASErrorCode kHostErrBadParameter = 0x40000002;
constexpr ASErrorCode kHostErrNotImplemented = 0x40000003;
constexpr ASErrorCode kHostErrFileOpen = 0x40000004;
constexpr ASErrorCode kHostErrBadOutline = 0x40000005;
constexpr ASErrorCode kHostErrBadPage = 0x40000006;
constexpr ASErrorCode kHostErrPrint = 0x40000007;
constexpr ASErrorCode kHostErrNoFont = 0x40000008;
constexpr ASErrorCode kHostErrPermission = 0x40000009;
