// Renders the pages of a PdfDocument with poppler, as it now stands in qpdf.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace poppler {
class document;
}

namespace viewer::pdf {

class PdfDocument;

// 32-bit pixels, blue-green-red-alpha in memory, rows top-down.
struct RasterImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

class PageRenderer {
 public:
  explicit PageRenderer(PdfDocument& doc);
  ~PageRenderer();

  // Renders page (0-based) at pixelsPerPoint; false when poppler cannot.
  bool Render(int page, double pixelsPerPoint, RasterImage* out);
  // The page's size in points as displayed (crop box, turned by its rotation).
  bool DisplayedSize(int page, double* width, double* height);

 private:
  bool Sync();

  PdfDocument& doc_;
  std::unique_ptr<poppler::document> poppler_;
  std::string bytes_;           // poppler reads changed documents from here
  unsigned syncedRevision_ = 0;
};

}  // namespace viewer::pdf
