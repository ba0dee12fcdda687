// A run of text as the host's text elements hold it: bytes in one font, placed by a
// text matrix that carries the size, with a fill colour and, optionally, opacities.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "fonts/font_face.h"

namespace viewer::pdf {

// [a b 0; c d 0; h v 1], as text matrices act on row vectors.
struct TextMatrix {
  double a = 1, b = 0, c = 0, d = 1, h = 0, v = 0;
};

enum class ColourSpace { DeviceGray, DeviceRGB, DeviceCMYK };

constexpr int ComponentCount(ColourSpace space) {
  return space == ColourSpace::DeviceGray ? 1 : space == ColourSpace::DeviceRGB ? 3 : 4;
}

struct Opacity {
  std::optional<double> fill;    // /ca, 0..1
  std::optional<double> stroke;  // /CA, 0..1
  bool operator==(const Opacity&) const = default;
};

struct TextRun {
  std::shared_ptr<const fonts::FontFace> font;
  std::string bytes;  // WinAnsiEncoding
  TextMatrix matrix;
  ColourSpace fillSpace = ColourSpace::DeviceGray;
  std::array<double, 4> fill{};  // the first ComponentCount(fillSpace) are used
  std::optional<Opacity> opacity;
};

}  // namespace viewer::pdf
