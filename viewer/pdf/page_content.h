// The content of one page as the host hands it out: the page's existing content
// (never parsed) followed by the elements appended to it. Writing it adds one new
// content stream with the elements appended since the last write.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <qpdf/QPDFObjectHandle.hh>

#include "pdf/pde_elements.h"

namespace viewer::pdf {

class PdfDocument;

class PageContent final : public ElementOf<ElementKind::Content> {
 public:
  PageContent(PdfDocument& doc, QPDFObjectHandle page);

  // Whether this is the content of that page.
  bool Of(const PdfDocument& doc, QPDFObjectHandle page) const;
  // The document, or null once it has been closed.
  PdfDocument* Document() const;
  QPDFObjectHandle page() const { return page_; }

  // Appends a text element after the last element. Throws
  // core::HostError(kHostErrBadParameter) for elements that draw nothing.
  void Append(std::shared_ptr<const Element> element);
  // Writes the elements appended since the last write into the page (fonts and
  // graphics states into its resources, the operators as one new stream); false when
  // there were none. Throws core::HostError (kHostErrBadParameter once the document
  // is closed, kHostErrNoFont when a font program cannot be read).
  bool Write();

 private:
  PdfDocument* doc_;
  uint32_t slot_, serial_;
  QPDFObjectHandle page_;
  std::vector<std::shared_ptr<const TextElement>> appended_;
  size_t written_ = 0;
};

}  // namespace viewer::pdf
