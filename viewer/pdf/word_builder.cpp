#include "pdf/word_builder.h"

#include <algorithm>
#include <cmath>

#include "fonts/win_ansi.h"

namespace viewer::pdf {
namespace {

bool IsBlank(char32_t c) { return c == 0x20 || c == 0x09 || c == 0x0A || c == 0x0D || c == 0xA0; }

bool IsLeadingPunctuation(char32_t c) {
  switch (c) {
    case '(': case '[': case '{': case '<': case '"': case '\'': case '`':
    case 0x00A1: case 0x00AB: case 0x00BF:  // inverted marks, guillemet
    case 0x2018: case 0x201A: case 0x201C: case 0x201E: case 0x2039:
      return true;
    default:
      return false;
  }
}

enum Accent : char32_t { kGrave = 1, kAcute, kCircumflex, kTilde, kDieresis, kRing, kCedilla, kCaron };

// The accent a spacing accent character stands for, or 0.
char32_t AccentOf(char32_t c) {
  switch (c) {
    case 0x0060: case 0x02CB: return kGrave;
    case 0x00B4: case 0x02CA: return kAcute;
    case 0x005E: case 0x02C6: return kCircumflex;
    case 0x007E: case 0x02DC: return kTilde;
    case 0x00A8: return kDieresis;
    case 0x02DA: case 0x00B0: return kRing;
    case 0x00B8: return kCedilla;
    case 0x02C7: return kCaron;
    default: return 0;
  }
}

struct Composed {
  char32_t letter, base, accent;
};

// The accented letters of Windows-1252.
constexpr Composed kComposed[] = {
    {0xC0, 'A', kGrave}, {0xC1, 'A', kAcute}, {0xC2, 'A', kCircumflex}, {0xC3, 'A', kTilde},
    {0xC4, 'A', kDieresis}, {0xC5, 'A', kRing}, {0xC7, 'C', kCedilla}, {0xC8, 'E', kGrave},
    {0xC9, 'E', kAcute}, {0xCA, 'E', kCircumflex}, {0xCB, 'E', kDieresis}, {0xCC, 'I', kGrave},
    {0xCD, 'I', kAcute}, {0xCE, 'I', kCircumflex}, {0xCF, 'I', kDieresis}, {0xD1, 'N', kTilde},
    {0xD2, 'O', kGrave}, {0xD3, 'O', kAcute}, {0xD4, 'O', kCircumflex}, {0xD5, 'O', kTilde},
    {0xD6, 'O', kDieresis}, {0xD9, 'U', kGrave}, {0xDA, 'U', kAcute}, {0xDB, 'U', kCircumflex},
    {0xDC, 'U', kDieresis}, {0xDD, 'Y', kAcute}, {0xE0, 'a', kGrave}, {0xE1, 'a', kAcute},
    {0xE2, 'a', kCircumflex}, {0xE3, 'a', kTilde}, {0xE4, 'a', kDieresis}, {0xE5, 'a', kRing},
    {0xE7, 'c', kCedilla}, {0xE8, 'e', kGrave}, {0xE9, 'e', kAcute}, {0xEA, 'e', kCircumflex},
    {0xEB, 'e', kDieresis}, {0xEC, 'i', kGrave}, {0xED, 'i', kAcute}, {0xEE, 'i', kCircumflex},
    {0xEF, 'i', kDieresis}, {0xEC, 0x131, kGrave}, {0xED, 0x131, kAcute}, {0xEE, 0x131, kCircumflex},
    {0xEF, 0x131, kDieresis}, {0xF1, 'n', kTilde}, {0xF2, 'o', kGrave}, {0xF3, 'o', kAcute},
    {0xF4, 'o', kCircumflex}, {0xF5, 'o', kTilde}, {0xF6, 'o', kDieresis}, {0xF9, 'u', kGrave},
    {0xFA, 'u', kAcute}, {0xFB, 'u', kCircumflex}, {0xFC, 'u', kDieresis}, {0xFD, 'y', kAcute},
    {0xFF, 'y', kDieresis}, {0x178, 'Y', kDieresis}, {0x160, 'S', kCaron}, {0x161, 's', kCaron},
    {0x17D, 'Z', kCaron}, {0x17E, 'z', kCaron},
};

char32_t Compose(char32_t base, char32_t accent) {
  for (const Composed& c : kComposed) {
    if (c.base == base && c.accent == accent) return c.letter;
  }
  return 0;
}

// The accent stands over (or under) the letter: its middle is within the letter's width.
bool Over(const Box& accent, const Box& letter) {
  const double middle = (accent.left + accent.right) / 2;
  return letter.right > letter.left && middle > letter.left && middle < letter.right;
}

Box Union(const Box& a, const Box& b) {
  return Box{std::min(a.left, b.left), std::min(a.bottom, b.bottom), std::max(a.right, b.right),
             std::max(a.top, b.top)};
}

// Spelt out or put by a look-alike where Windows-1252 lacks the character.
std::string_view Substitute(char32_t c) {
  switch (c) {
    case 0xFB00: return "ff";
    case 0xFB01: return "fi";
    case 0xFB02: return "fl";
    case 0xFB03: return "ffi";
    case 0xFB04: return "ffl";
    case 0xFB05: case 0xFB06: return "st";
    case 0x2010: case 0x2011: case 0x2212: return "-";
    case 0x2044: case 0x2215: return "/";
    case 0x2217: return "*";
    case 0x0131: return "i";
    case 0x0237: return "j";
    case 0x0141: return "L";
    case 0x0142: return "l";
    case 0x2423: return "_";
    default: return {};
  }
}

}  // namespace

std::string HostText(std::u32string_view characters) {
  std::string out;
  for (char32_t c : characters) {
    if (const uint8_t code = fonts::UnicodeToWinAnsi(c); code != 0) {
      out += static_cast<char>(code);
    } else if (const std::string_view spelt = Substitute(c); !spelt.empty()) {
      out += spelt;
    } else {
      out += '?';
    }
  }
  return out;
}

void WordBuilder::Append(char32_t character, const Box& box) {
  if (!current_.empty()) {
    const char32_t last = current_.back();
    char32_t composed = 0;
    if (const char32_t accent = AccentOf(last); accent != 0 && Over(lastCharacterBox_, box)) {
      composed = Compose(character, accent);
    } else if (const char32_t accent = AccentOf(character); accent != 0 && Over(box, lastCharacterBox_)) {
      composed = Compose(last, accent);
    }
    if (composed != 0) {
      current_.back() = composed;
      currentBox_ = Union(currentBox_, box);
      lastCharacterBox_ = Union(lastCharacterBox_, box);
      return;
    }
  }
  currentBox_ = current_.empty() ? box : Union(currentBox_, box);
  lastCharacterBox_ = box;
  current_ += character;
}

void WordBuilder::Add(const PlacedGlyph& glyph) {
  if (hasPrevious_ && !current_.empty()) {
    // Where this glyph starts, seen from where the previous one ended, along its baseline.
    const double fromX = glyph.x - (previous_.x + previous_.dx);
    const double fromY = glyph.y - (previous_.y + previous_.dy);
    const double along = fromX * previous_.ux + fromY * previous_.uy;
    const double across = -fromX * previous_.uy + fromY * previous_.ux;
    const double em = std::max(previous_.size, glyph.size);
    const bool resized = std::fabs(glyph.size - previous_.size) > kWordSizeChange * em;
    if (std::fabs(across) > 0.5 * em || along > kWordGapEms * em || along < -0.6 * em || resized) EndWord();
  }
  const std::u32string text = glyph.text.empty() ? std::u32string(1, U'?') : glyph.text;
  for (char32_t c : text) {
    if (IsBlank(c)) {
      EndWord();
    } else if (current_.empty() && IsLeadingPunctuation(c)) {
      words_.push_back(FoundWord{HostText(std::u32string(1, c)), glyph.box});
    } else {
      Append(c, glyph.box);
    }
  }
  previous_ = glyph;
  hasPrevious_ = true;
}

void WordBuilder::EndWord() {
  if (current_.empty()) return;
  words_.push_back(FoundWord{HostText(current_), currentBox_});
  current_.clear();
}

std::vector<FoundWord> WordBuilder::Take() {
  EndWord();
  hasPrevious_ = false;
  std::vector<FoundWord> words;
  words.swap(words_);
  return words;
}

}  // namespace viewer::pdf
