// How long the viewer lets poppler take over one page before it gives the page up.
#pragma once

#include <chrono>

namespace viewer::render {

inline constexpr std::chrono::milliseconds kDefaultRenderLimit{10000};

// The limit a setting gives: a whole number of milliseconds above 0, else the default
// (no setting, or one that cannot be read).
std::chrono::milliseconds RenderLimitFrom(const char* setting);

// The limit of this run: TESSALY_RENDER_LIMIT_MS, so tests need not wait the default.
std::chrono::milliseconds RenderLimit();

}  // namespace viewer::render
