// Device coordinates of the host's older drawing entries, which are 16-bit.
#pragma once

#include "host_types.h"

namespace viewer::core {

// Saturates at the ends of the 16-bit range.
ASInt16 ToDevCoord16(long value);
oldAVRect ToOldRect(long left, long top, long right, long bottom);

// The colour as Windows paints it (0x00BBGGRR); components are clamped to 0..1, and a
// space the host does not name paints black.
ASUns32 DeviceColour(const PDColorValueRec& colour);

}  // namespace viewer::core
