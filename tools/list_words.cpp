// list-words FILE [FIRST LAST]: the words the viewer's word finder reports on each
// page (1-based pages, all by default), one line per word, as UTF-8:
//   page <n> <crop box llx lly urx ury>
//   word <n> <left bottom right top> <text>
// fields separated by tabs, boxes in page space. Exit 1 when the file cannot be read.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include "fonts/win_ansi.h"
#include "pdf/word_finder.h"

namespace {

std::string Utf8(const std::string& hostText) {
  std::string out;
  for (unsigned char byte : hostText) {
    char32_t c = viewer::fonts::WinAnsiToUnicode(byte);
    if (c == 0) c = byte;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 4) {
    std::fprintf(stderr, "usage: list-words FILE [FIRST LAST]\n");
    return 2;
  }
  QPDF pdf;
  pdf.setSuppressWarnings(true);
  try {
    pdf.processFile(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "list-words: %s\n", e.what());
    return 1;
  }
  const std::vector<QPDFObjectHandle> pages = pdf.getAllPages();
  const int count = static_cast<int>(pages.size());
  const int first = argc == 4 ? std::atoi(argv[2]) : 1;
  const int last = argc == 4 ? std::min(std::atoi(argv[3]), count) : count;
  for (int number = std::max(first, 1); number <= last; ++number) {
    QPDFObjectHandle page = pages[static_cast<size_t>(number - 1)];
    QPDFObjectHandle::Rectangle crop;
    try {
      crop = QPDFPageObjectHelper(page).getCropBox(true).getArrayAsRectangle();
    } catch (const std::exception&) {
    }
    std::printf("page\t%d\t%g\t%g\t%g\t%g\n", number, crop.llx, crop.lly, crop.urx, crop.ury);
    for (const viewer::pdf::FoundWord& word : viewer::pdf::PageWords(page)) {
      std::printf("word\t%d\t%.2f\t%.2f\t%.2f\t%.2f\t%s\n", number, word.box.left, word.box.bottom,
                  word.box.right, word.box.top, Utf8(word.text).c_str());
    }
  }
  return 0;
}
