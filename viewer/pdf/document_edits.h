// What the viewer adds to a document's pages: the resources it writes, each once per
// document, and new content streams, with a page's old content isolated once.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <unordered_set>
#include <utility>

#include <qpdf/QPDF.hh>

#include "fonts/font_face.h"
#include "pdf/text_run.h"

namespace viewer::pdf {

class DocumentEdits {
 public:
  explicit DocumentEdits(QPDF& qpdf) : qpdf_(qpdf) {}

  // The document's font dictionary of face, written (program embedded) on first use.
  QPDFObjectHandle Font(const fonts::FontFace& face);
  // The document's extended graphics state with these opacities.
  QPDFObjectHandle ExtGState(const Opacity& opacity);

  // Appends operators to page's content as one new stream. The first time on a page
  // that already has content, that content is put between q and Q first, so that the
  // graphics state it leaves cannot reach the new content. Existing streams are never
  // read or rewritten.
  void AppendContent(QPDFObjectHandle page, const std::string& operators);

 private:
  QPDF& qpdf_;
  std::map<std::pair<std::string, int>, QPDFObjectHandle> fonts_;
  // Opacities by their presence and value in 1/65536.
  std::map<std::tuple<bool, long, bool, long>, QPDFObjectHandle> extGStates_;
  std::unordered_set<uint64_t> pagesTouched_;
  // One "q" stream and one "Q" stream serve every isolated page.
  QPDFObjectHandle save_, restore_;
};

}  // namespace viewer::pdf
