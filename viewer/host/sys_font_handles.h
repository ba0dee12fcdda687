// The system fonts the host hands out (PDSysFont): one handle per installed font,
// valid for the life of the process.
#pragma once

#include "fonts/system_fonts.h"
#include "host_types.h"

namespace viewer::host {

PDSysFont SysFontHandle(const fonts::SystemFont& font);
// Throws core::HostError(kHostErrNoFont) for null and kHostErrBadParameter for a
// handle never handed out.
const fonts::SystemFont& CheckedSysFont(PDSysFont font);

}  // namespace viewer::host
