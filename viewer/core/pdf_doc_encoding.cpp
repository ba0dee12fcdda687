#include "core/pdf_doc_encoding.h"

namespace viewer::core {
namespace {

constexpr char16_t kUndefined = 0xFFFD;

// 0x18 to 0x1F: spacing accents.
constexpr char16_t kAccents[8] = {0x02D8, 0x02C7, 0x02C6, 0x02D9, 0x02DD, 0x02DB, 0x02DA, 0x02DC};

// 0x80 to 0xA0: the typographic characters PDFDocEncoding puts there.
constexpr char16_t kHighBlock[33] = {
    0x2022, 0x2020, 0x2021, 0x2026, 0x2014, 0x2013, 0x0192, 0x2044,  // 0x80
    0x2039, 0x203A, 0x2212, 0x2030, 0x201E, 0x201C, 0x201D, 0x2018,  // 0x88
    0x2019, 0x201A, 0x2122, 0xFB01, 0xFB02, 0x0141, 0x0152, 0x0160,  // 0x90
    0x0178, 0x017D, 0x0131, 0x0142, 0x0153, 0x0161, 0x017E, kUndefined,  // 0x98
    0x20AC,                                                          // 0xA0: euro
};

}  // namespace

char16_t PdfDocToUnicode(unsigned char b) {
  if (b >= 0x18 && b <= 0x1F) return kAccents[b - 0x18];
  if (b >= 0x80 && b <= 0xA0) return kHighBlock[b - 0x80];
  if (b == 0x7F || b == 0xAD) return kUndefined;
  return b;  // ASCII and Latin-1
}

std::u16string PdfDocToUnicode(std::string_view text) {
  std::u16string unicode;
  unicode.reserve(text.size());
  for (char c : text) unicode.push_back(PdfDocToUnicode(static_cast<unsigned char>(c)));
  return unicode;
}

std::string UnicodeToPdfDoc(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (char16_t c : text) {
    char found = '?';
    for (unsigned b = 0; b < 256; ++b) {
      if (PdfDocToUnicode(static_cast<unsigned char>(b)) == c && c != kUndefined) {
        found = static_cast<char>(b);
        break;
      }
    }
    bytes.push_back(found);
  }
  return bytes;
}

}  // namespace viewer::core
