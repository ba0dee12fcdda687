// Calling conventions of the functions that cross the plug-in/host boundary.
// HOSTCALL (__cdecl) is that of every table entry and every procedure handed to the
// host; PlugInMain alone is the Windows CALLBACK convention (__stdcall: the callee
// pops its four arguments). On x86_64 there is one Windows convention, and winelib
// code asks gcc for it with ms_abi, so both sides agree on how arguments travel.
#pragma once

#if defined(__x86_64__) && !defined(_WIN64)
#define HOSTCALL __attribute__((ms_abi))
#define PLUGINMAINCALL __attribute__((ms_abi))
#else
#define HOSTCALL __cdecl
#define PLUGINMAINCALL __stdcall
#endif
