// One line of banner text drawn on a page of the active document with the host's
// page-content operations, and what the user is told when that cannot be done.
#pragma once

#include <string>

#include "banner_settings.h"
#include "host_types.h"

// Draws `text` as line `lineIndex` (from 1) of `lineCount` on the zero-based page
// `pageIndex` (markers pass 0 and 0); records the line, "TrueType" and "STD_ENCODING"
// in the settings as the ones drawn last.
void DrawBannerText(BannerSettings& settings, PDPageNumber pageIndex, const std::string& text,
                    int32_t lineIndex, int32_t lineCount);
