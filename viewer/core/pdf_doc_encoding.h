// PDFDocEncoding, the 8-bit encoding of a document's text strings that carry no
// byte-order mark, to and from Unicode. The host's encoding is the system's ANSI code
// page, reached through Unicode (app/ansi_code_page.h).
#pragma once

#include <string>
#include <string_view>

namespace viewer::core {

// The character of a PDFDocEncoding byte; an undefined byte (0x7F, 0x9F, 0xAD) is
// U+FFFD. Control bytes stand for themselves.
char16_t PdfDocToUnicode(unsigned char pdfDocByte);
std::u16string PdfDocToUnicode(std::string_view text);

// The other direction; a character PDFDocEncoding lacks becomes '?'.
std::string UnicodeToPdfDoc(std::u16string_view text);

}  // namespace viewer::core
