// The viewer's word finder over any document: the words of each page, its content
// streams and the form XObjects they draw read with qpdf's content parser.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <vector>

#include "pdf/word_finder.h"
#include "pdf_input.h"

namespace {

// Pages and words read per input: enough for every seed, and a bound on the work a
// document of many (not endless) pages takes.
constexpr size_t kMaxPages = 32;
constexpr size_t kMaxWords = 20000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<QPDF> pdf = OpenInputPdf(data, size);
  if (!pdf) return 0;
  std::vector<QPDFObjectHandle> pages;
  try {
    pages = pdf->getAllPages();
  } catch (const std::exception&) {
    return 0;  // qpdf cannot make a page list of it: the viewer refuses the file
  }
  viewer::pdf::FontDecoderCache fonts;
  size_t words = 0;
  for (size_t i = 0; i < pages.size() && i < kMaxPages && words < kMaxWords; ++i) {
    // Never throws (word_finder.h): an escaping exception is a finding.
    words += viewer::pdf::PageWords(pages[i], &fonts).size();
  }
  return 0;
}
