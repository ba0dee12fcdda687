// What poppler reads a page from, made on the user-interface thread (qpdf is not
// thread-safe) and read by a render thread: a file, or bytes qpdf wrote. Never changed
// once made and shared by whoever uses it, so a render thread that outlives its
// document still reads whole memory.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace viewer::render {

struct RenderSource {
  std::string path;   // poppler reads this file, when not empty
  std::string bytes;  // otherwise these bytes
};

using SharedSource = std::shared_ptr<const RenderSource>;

// 32-bit pixels, blue-green-red-alpha in memory, rows top-down.
struct RasterImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

enum class RenderOutcome {
  Drawn,          // the image holds the page
  Refused,        // poppler cannot draw the page
  SourceRefused,  // poppler cannot read the source, or it has no such page
  TimedOut,       // the page took longer than the time limit and was given up
};

}  // namespace viewer::render
