// Builds PDF documents with qpdf: pages of given sizes carrying a few lines of text,
// and an outline tree whose items point at pages.
#pragma once

#include <string>
#include <vector>

namespace pdfgen {

struct PageSpec {
  double width = 612;   // points
  double height = 792;
  std::vector<std::string> lines;  // drawn top-down in Helvetica
};

struct OutlineItem {
  std::string title;          // written as a PDF text string (PDFDocEncoding or UTF-16 if needed)
  int page = 1;               // 1-based target page
  bool namedDestination = false;  // point at the page through /Dests by name
  bool open = false;          // shown expanded (positive /Count)
  std::vector<OutlineItem> children;
};

struct DocumentSpec {
  std::vector<PageSpec> pages;
  std::vector<OutlineItem> outline;
  std::string title;
};

// Writes the document to path; throws std::exception on failure.
void WriteDocument(const DocumentSpec& spec, const std::string& path);

}  // namespace pdfgen
