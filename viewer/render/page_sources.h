// Where poppler reads each page of a PdfDocument from, as the page now stands in qpdf.
// Pages as they were opened come from the document's file; a page that is new or has
// changed since comes from a one-page copy of it, so a change costs the same however
// large the document is. When the layers shown differ from the document's default, the
// whole document is written once for poppler with those layers. Everything here reads
// the qpdf document, so it runs on the user-interface thread only.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "pdf/pdf_document.h"
#include "render/render_source.h"

namespace viewer::render {

struct PagePlan {
  SharedSource source;  // null: no source can show the page
  int page = 0;         // 0-based page of the source
  bool whole = false;   // the source is the whole document
};

class PageSources {
 public:
  explicit PageSources(pdf::PdfDocument& doc) : doc_(doc) {}

  // The source that shows page (0-based) as it looks now.
  PagePlan Plan(int page);
  // poppler cannot read this whole-document source (or lacks a page of it): its pages
  // come from one-page copies until the whole document is made again.
  void Refused(const SharedSource& source);
  // The page's size in points as displayed (crop box, turned by its rotation).
  bool DisplayedSize(int page, double* width, double* height);

 private:
  void SyncWhole();
  SharedSource OnePage(int page, const pdf::PageLook& look);

  pdf::PdfDocument& doc_;
  // The whole document: its file, or its bytes written with the layers shown.
  SharedSource whole_;
  bool wholeMade_ = false;
  bool wholeRefused_ = false;
  unsigned wholeLayers_ = 0;
  unsigned wholeStamp_ = 0;  // page changes up to this one are in whole_
  std::unordered_map<uint64_t, int> wholeIndex_;  // page object -> page of whole_

  struct OnePageCopy {
    pdf::PageLook look;
    SharedSource source;  // null when the copy could not be written
    uint64_t used = 0;
  };
  std::vector<OnePageCopy> copies_;  // the latest few
  uint64_t uses_ = 0;
};

}  // namespace viewer::render
