// How much drawing of pages is under way in the whole viewer: renderings asked for and
// not yet handed to their views, and views in the middle of a paint (which may ask for
// more). The script runner takes a screenshot only once this is 0, so a picture never
// catches a page still being drawn.
#pragma once

namespace viewer::render {

void AddRenderActivity(int delta);
int RenderActivity();

// Counts as activity while it lives: a view's paint, from before its update region is
// validated until its requests are made.
class PaintActivity {
 public:
  PaintActivity() { AddRenderActivity(1); }
  ~PaintActivity() { AddRenderActivity(-1); }
  PaintActivity(const PaintActivity&) = delete;
  PaintActivity& operator=(const PaintActivity&) = delete;
};

}  // namespace viewer::render
