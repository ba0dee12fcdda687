// The poppler side of a render thread: the documents it has loaded from its sources,
// and the drawing of one page. Each render thread has its own, so no poppler document
// is ever used by two threads.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "render/render_source.h"

namespace poppler {
class document;
}

namespace viewer::render {

class PopplerPages {
 public:
  PopplerPages();
  ~PopplerPages();
  PopplerPages(const PopplerPages&) = delete;
  PopplerPages& operator=(const PopplerPages&) = delete;

  // Draws page (0-based) of source at pixelsPerPoint into out.
  RenderOutcome Render(const SharedSource& source, int page, double pixelsPerPoint,
                       RasterImage* out);

 private:
  poppler::document* Load(const SharedSource& source);

  struct Loaded {
    SharedSource source;  // kept alive while poppler reads it
    std::unique_ptr<poppler::document> doc;  // null when poppler refused the source
    uint64_t used = 0;
  };
  std::vector<Loaded> loaded_;
  uint64_t uses_ = 0;
};

// Keeps poppler's messages about damaged documents off the console; call once, before
// any render thread starts.
void QuietPoppler();

}  // namespace viewer::render
