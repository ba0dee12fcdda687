// A CMap as fonts carry it in a stream: its code space (how many bytes each code of a
// string takes) and what it maps the codes to: characters (bfchar, bfrange: a
// /ToUnicode map) or CIDs (cidchar, cidrange: an embedded /Encoding of a composite
// font). Reading never fails: what cannot be made out is left out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace viewer::pdf {

class CharacterMap {
 public:
  static CharacterMap Parse(std::string_view data);

  bool HasCodeSpace() const { return !spaces_.empty(); }
  // The number of bytes (1 to 4) of the code at the start of bytes: the code-space
  // range it falls in, else fallback (at most what is left).
  size_t CodeLength(std::string_view bytes, size_t fallback) const;
  // The characters of code, or none when the map has none for it.
  std::optional<std::u32string> Characters(uint32_t code) const;
  std::optional<uint32_t> Cid(uint32_t code) const;

 private:
  struct Space {
    size_t length = 0;
    uint8_t low[4]{}, high[4]{};
  };
  struct CharacterRange {
    uint32_t low = 0, high = 0;
    std::u32string first;  // of low; the last character counts up over the range
  };
  struct CidRange {
    uint32_t low = 0, high = 0, first = 0;
  };
  std::vector<Space> spaces_;
  std::unordered_map<uint32_t, std::u32string> characters_;
  std::vector<CharacterRange> characterRanges_;
  std::unordered_map<uint32_t, uint32_t> cids_;
  std::vector<CidRange> cidRanges_;
};

// The number a code's bytes make, big-endian.
uint32_t CodeValue(std::string_view bytes);

}  // namespace viewer::pdf
