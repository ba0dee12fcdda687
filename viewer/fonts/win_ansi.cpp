#include "fonts/win_ansi.h"

namespace viewer::fonts {
namespace {

// 0x80..0x9F differ from Latin-1.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 0x88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 0x98
};

}  // namespace

char32_t WinAnsiToUnicode(uint8_t code) {
  if (code < 0x20 || code == 0x7F) return 0;
  if (code >= 0x80 && code <= 0x9F) return kHighControls[code - 0x80];
  return code;  // ASCII and Latin-1
}

uint8_t UnicodeToWinAnsi(char32_t character) {
  if (character == 0) return 0;
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
    return WinAnsiToUnicode(static_cast<uint8_t>(character)) == character ? static_cast<uint8_t>(character) : 0;
  }
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == character) return static_cast<uint8_t>(0x80 + i);
  }
  return 0;
}

}  // namespace viewer::fonts
