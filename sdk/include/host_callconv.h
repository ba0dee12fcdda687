// Calling convention of every function that crosses the plug-in/host boundary.
// __cdecl is the Windows calling convention in the PE build and, on x86_64 winelib, gcc maps it
// to ms_abi, so both sides agree on how arguments travel.
#pragma once

#if defined(__x86_64__) && !defined(_WIN64)
#define HOSTCALL __attribute__((ms_abi))
#else
#define HOSTCALL __cdecl
#endif
