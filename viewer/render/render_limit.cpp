#include "render/render_limit.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

namespace viewer::render {

std::chrono::milliseconds RenderLimitFrom(const char* setting) {
  if (setting == nullptr) return kDefaultRenderLimit;
  const char* end = setting + std::strlen(setting);
  long long ms = 0;
  const auto read = std::from_chars(setting, end, ms);
  if (read.ec != std::errc() || read.ptr != end || ms <= 0) return kDefaultRenderLimit;
  return std::chrono::milliseconds(ms);
}

std::chrono::milliseconds RenderLimit() {
  return RenderLimitFrom(std::getenv("TESSALY_RENDER_LIMIT_MS"));
}

}  // namespace viewer::render
