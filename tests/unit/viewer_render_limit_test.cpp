// The time limit of a page rendering, as TESSALY_RENDER_LIMIT_MS sets it.
#include "render/render_limit.h"

#include <gtest/gtest.h>

namespace viewer::render {
namespace {

using std::chrono::milliseconds;

TEST(RenderLimitTest, ReadsWholeMillisecondsAboveZero) {
  EXPECT_EQ(RenderLimitFrom("1500"), milliseconds(1500));
  EXPECT_EQ(RenderLimitFrom("1"), milliseconds(1));
}

TEST(RenderLimitTest, KeepsTheDefaultForAnythingElse) {
  for (const char* setting : {"", "0", "-5", "2s", "1.5", " 100", "abc"}) {
    EXPECT_EQ(RenderLimitFrom(setting), kDefaultRenderLimit) << '"' << setting << '"';
  }
  EXPECT_EQ(RenderLimitFrom(nullptr), kDefaultRenderLimit);
}

}  // namespace
}  // namespace viewer::render
