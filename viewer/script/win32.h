// <windows.h> for the driver's files, without the min and max macros that would
// break the standard library headers included after it.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
