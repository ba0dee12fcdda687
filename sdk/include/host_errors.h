// Error frames across the plug-in/host boundary, as the host publishes them.
//
// The plug-in pushes a frame: the address of a saved context of its own and a restore
// procedure of its own. The host keeps that pair on a stack of its own and never reads
// or writes the context's memory. When a host operation fails, the host releases its
// own state, records the error code (ASGetExceptionErrorCode answers it) and calls the
// innermost frame's restore procedure with the address given at the push, leaving the
// frame pushed. The procedure jumps back into the plug-in and never returns; the
// plug-in's handler pops the frame as its first step, as the normal path pops it at
// its end. A procedure the host calls returns with no frame of its own still pushed.
#pragma once

#include "host_types.h"

// Called with the address given to ASPushExceptionFrame.
using ASRestoreProc = void(HOSTCALL*)(void* savedContext);

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
