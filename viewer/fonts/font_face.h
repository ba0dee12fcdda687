// A TrueType font program as the viewer writes text with it: its PostScript name and
// its metrics in text-space units of 1/1000 em, read with FreeType.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace viewer::fonts {

// Codes with a width of their own in the fonts the viewer writes (/FirstChar, /LastChar).
constexpr int kFirstCode = 32, kLastCode = 255;

struct FontFace {
  std::string file;
  int index = 0;  // the face within a font collection
  std::string postScriptName;
  bool fixedPitch = false, serif = false, italic = false;
  int ascent = 0, descent = 0, capHeight = 0, stemV = 0;
  double italicAngle = 0;
  std::array<int, 4> bbox{};  // left, bottom, right, top
  // The advance of the glyph drawn for a code the font has no character for.
  int missingWidth = 0;
  // The advance of each code kFirstCode..kLastCode, through WinAnsiEncoding and the
  // font's Unicode character map.
  std::array<int, kLastCode - kFirstCode + 1> widths{};

  int WidthOf(uint8_t code) const {
    return code >= kFirstCode ? widths[code - kFirstCode] : missingWidth;
  }
  // The PDF font descriptor's flags.
  int DescriptorFlags() const;
};

// The face at index of file, read once per process; null unless it is a TrueType
// (glyf) font with a Unicode character map, which is what a simple TrueType font with
// WinAnsiEncoding needs.
std::shared_ptr<const FontFace> LoadFontFace(const std::string& file, int index);

}  // namespace viewer::fonts
