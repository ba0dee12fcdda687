// Words from glyphs placed on a page, in the order they are drawn. A word ends at a
// blank (a space character), at a gap after the previous glyph of more than a fraction
// of the font size, at a step back of more than half an em, at a new line (the glyph
// stands off the previous one's baseline) and where the font size changes (an
// exponent: "10" and "4" of 10^4 are two words). An opening bracket, quote or other
// leading punctuation at the start of a word is a word of its own ("[BANNERPAGE]"
// gives "[" and "BANNERPAGE]"); trailing punctuation stays with its word. An accent
// drawn as a glyph of its own over a letter (as TeX does) makes one accented letter
// with it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pdf/text_bbox.h"

namespace viewer::pdf {

// A word's text in the host's encoding (Windows-1252) and its box in page space.
struct FoundWord {
  std::string text;
  Box box;
};

// A glyph as drawn, everything in page space.
struct PlacedGlyph {
  std::u32string text;       // empty for a code whose characters the font does not tell
  double x = 0, y = 0;       // origin
  double dx = 0, dy = 0;     // advance (from the font's width alone, without spacing)
  double ux = 1, uy = 0;     // the baseline's direction, a unit vector
  double size = 0;           // the font size, the length of an em
  Box box;
};

// A word gap is wider than this many ems; kerning stays below it.
constexpr double kWordGapEms = 0.15;
// A change of size by more than this share starts a new word.
constexpr double kWordSizeChange = 0.05;

class WordBuilder {
 public:
  void Add(const PlacedGlyph& glyph);
  // Ends the word being built (nothing that follows joins it).
  void EndWord();
  // The words found, the last one ended.
  std::vector<FoundWord> Take();

 private:
  void Append(char32_t character, const Box& box);

  std::vector<FoundWord> words_;
  std::u32string current_;
  Box currentBox_;
  Box lastCharacterBox_;
  PlacedGlyph previous_;
  bool hasPrevious_ = false;
};

// Characters in the host's encoding: Windows-1252 where it has them, ligatures spelt
// out, a few look-alikes ('-' for a minus), '?' for the rest.
std::string HostText(std::u32string_view characters);

}  // namespace viewer::pdf
