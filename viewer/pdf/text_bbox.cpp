#include "pdf/text_bbox.h"

#include <algorithm>

namespace viewer::pdf {

double TextAdvance(const fonts::FontFace& font, std::string_view bytes) {
  long long units = 0;
  for (const char c : bytes) units += font.WidthOf(static_cast<uint8_t>(c));
  return static_cast<double>(units) / 1000.0;
}

Box TextRunBox(const fonts::FontFace& font, std::string_view bytes, const TextMatrix& m) {
  const double advance = TextAdvance(font, bytes);
  const double descent = font.descent / 1000.0, ascent = font.ascent / 1000.0;
  const double xs[4] = {0, advance, 0, advance};
  const double ys[4] = {descent, descent, ascent, ascent};
  Box box;
  for (int i = 0; i < 4; ++i) {
    const double x = m.a * xs[i] + m.c * ys[i] + m.h;
    const double y = m.b * xs[i] + m.d * ys[i] + m.v;
    if (i == 0) {
      box = {x, y, x, y};
    } else {
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.bottom = std::min(box.bottom, y);
      box.top = std::max(box.top, y);
    }
  }
  return box;
}

}  // namespace viewer::pdf
