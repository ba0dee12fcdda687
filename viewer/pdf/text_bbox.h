// Where a text run stands: its advance from the font's widths, and its box from the
// font's ascent and descent, taken through the text matrix.
#pragma once

#include <string_view>

#include "fonts/font_face.h"
#include "pdf/text_run.h"

namespace viewer::pdf {

struct Box {
  double left = 0, bottom = 0, right = 0, top = 0;
};

// The run's advance in text space (ems: the widths over 1000).
double TextAdvance(const fonts::FontFace& font, std::string_view bytes);

// The axis-aligned box around the run's rectangle (from the origin to its advance,
// from descent to ascent) mapped through matrix, so turned text gets the box that
// holds all four corners.
Box TextRunBox(const fonts::FontFace& font, std::string_view bytes, const TextMatrix& matrix);

}  // namespace viewer::pdf
