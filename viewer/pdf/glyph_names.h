// The characters a glyph name stands for, as fonts name their glyphs in /Differences
// arrays and in their built-in encodings.
#pragma once

#include <string>
#include <string_view>

namespace viewer::pdf {

// The characters of name: a known name of the Latin, Greek and symbol sets ("A",
// "quoteright", "fi"), "uniXXXX" (one or more four-digit hexadecimal groups),
// "uXXXX" to "uXXXXXX", and ligature names joined by '_' ("f_f_i"); a suffix after a
// '.' ("a.sc") is ignored. Empty for a name that stands for nothing known.
std::u32string UnicodeOfGlyphName(std::string_view name);

}  // namespace viewer::pdf
