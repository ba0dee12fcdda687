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
  currentBox_ = current_.empty() ? box : Union(currentBox_, box);
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
    if (std::fabs(across) > 0.5 * em || along > kWordGapEms * em || along < -0.6 * em) EndWord();
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
