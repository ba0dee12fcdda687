// What the bytes of a text string stand for in a document's font: the codes they make,
// each code's characters and its advance. Simple fonts decode through /Encoding (a
// base encoding, /Differences, the built-in encoding of an embedded Type 1 program) and
// composite fonts through their CMap; a /ToUnicode map wins over both.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <qpdf/QPDFObjectHandle.hh>

#include "pdf/character_map.h"
#include "pdf/cid_widths.h"

namespace viewer::pdf {

struct DecodedGlyph {
  std::u32string text;     // empty when the font tells no characters for the code
  double width = 0;        // the advance, in text space at a font size of 1
  bool wordSpace = false;  // a one-byte code 32, which word spacing widens
};

class FontDecoder {
 public:
  // Never throws: a missing or broken font decodes bytes as WinAnsi with no advance.
  explicit FontDecoder(QPDFObjectHandle font);

  std::vector<DecodedGlyph> Decode(std::string_view bytes) const;
  // Above and below the baseline, at a font size of 1 (descent is negative).
  double ascent() const { return ascent_; }
  double descent() const { return descent_; }

 private:
  void ReadSimple(QPDFObjectHandle font);
  void ReadComposite(QPDFObjectHandle font);
  void ReadDescriptor(QPDFObjectHandle descriptor);

  bool composite_ = false;
  std::optional<CharacterMap> toUnicode_;
  // Simple fonts.
  std::array<std::u32string, 256> characters_;
  std::array<double, 256> widths_{};
  // Composite fonts: the CMap of an embedded /Encoding (else codes of two bytes are CIDs).
  std::optional<CharacterMap> encoding_;
  CidWidths cidWidths_;
  double defaultWidth_ = 1.0;
  double ascent_ = 0.75, descent_ = -0.25;
};

}  // namespace viewer::pdf
