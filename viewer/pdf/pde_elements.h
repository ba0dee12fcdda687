// The page-content elements the host hands out: fonts, colour spaces, extended
// graphics states, text, and the content of a page. Elements refer to one another by
// shared ownership, so an element lives while a handle or another element holds it.
#pragma once

#include <memory>
#include <vector>

#include "fonts/font_face.h"
#include "pdf/text_run.h"

namespace viewer::pdf {

enum class ElementKind { Content, Text, Font, ColourSpace, ExtGState };

class Element {
 public:
  virtual ~Element() = default;
  virtual ElementKind kind() const = 0;
};

template <ElementKind Kind>
class ElementOf : public Element {
 public:
  static constexpr ElementKind kKind = Kind;
  ElementKind kind() const override { return Kind; }
};

struct FontElement final : ElementOf<ElementKind::Font> {
  explicit FontElement(std::shared_ptr<const fonts::FontFace> f) : face(std::move(f)) {}
  std::shared_ptr<const fonts::FontFace> face;
};

struct ColourSpaceElement final : ElementOf<ElementKind::ColourSpace> {
  explicit ColourSpaceElement(ColourSpace s) : space(s) {}
  ColourSpace space;
};

struct ExtGStateElement final : ElementOf<ElementKind::ExtGState> {
  Opacity opacity;
};

struct TextElement final : ElementOf<ElementKind::Text> {
  std::vector<TextRun> runs;
};

}  // namespace viewer::pdf
