// The characters of WinAnsiEncoding, the 8-bit text encoding the viewer writes its
// fonts with (and the host's own 8-bit text encoding).
#pragma once

#include <cstdint>

namespace viewer::fonts {

// The Unicode character of code, or 0 where the encoding defines none (below 0x20,
// 0x7F, and 0x81, 0x8D, 0x8F, 0x90, 0x9D).
char32_t WinAnsiToUnicode(uint8_t code);

// The code of a character in the encoding, or 0 where it has none.
uint8_t UnicodeToWinAnsi(char32_t character);

}  // namespace viewer::fonts
