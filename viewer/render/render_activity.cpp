#include "render/render_activity.h"

#include <atomic>

namespace viewer::render {
namespace {

std::atomic<int> g_activity{0};

}  // namespace

void AddRenderActivity(int delta) { g_activity.fetch_add(delta); }

int RenderActivity() { return g_activity.load(); }

}  // namespace viewer::render
