// Renders the pages of a PdfDocument with poppler, as they now stand in qpdf. Pages as
// they were opened come from the document's file; a page that is new or has changed
// since comes from a one-page copy of it, so a change costs the same however large the
// document is. When the layers shown differ from the document's default, the whole
// document is written once for poppler with those layers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "pdf/pdf_document.h"

namespace poppler {
class document;
}

namespace viewer::pdf {

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
  // The poppler document and its page that show a page of the document now.
  struct Source {
    poppler::document* doc = nullptr;
    int page = 0;
  };
  bool Locate(int page, Source* source);
  bool SyncWhole();
  poppler::document* OnePage(int page, const PageLook& look);

  PdfDocument& doc_;
  // The whole document: its file, or its bytes written with the layers shown.
  std::unique_ptr<poppler::document> whole_;
  std::string wholeBytes_;
  unsigned wholeLayers_ = 0;
  unsigned wholeStamp_ = 0;  // page changes up to this one are in whole_
  std::unordered_map<uint64_t, int> wholeIndex_;  // page object -> page of whole_

  struct OnePageCopy {
    PageLook look;
    std::string bytes;  // poppler reads from here
    std::unique_ptr<poppler::document> doc;
    uint64_t used = 0;
  };
  std::vector<OnePageCopy> copies_;  // the latest few
  uint64_t uses_ = 0;
};

}  // namespace viewer::pdf
