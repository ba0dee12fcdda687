// The advances a composite font's /W array gives its CIDs, kept as sorted ranges of
// one width each: a few bytes of /W can name every 32-bit CID, so nothing is stored per
// CID a range names, and CIDs above kMaxCid are left out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include <qpdf/QPDFObjectHandle.hh>

namespace viewer::pdf {

class CidWidths {
 public:
  static constexpr uint32_t kMaxCid = 65535;

  CidWidths() = default;
  // Reads /W: `c [w1 w2 ...]` gives widths from c on, `c1 c2 w` gives w to c1..c2; where
  // entries overlap the later one wins. Never throws: what cannot be read is left out.
  explicit CidWidths(QPDFObjectHandle w);

  // The width of cid in text space at a font size of 1, or none when /W gives none.
  std::optional<double> Find(uint32_t cid) const;
  // How many ranges are kept (at most kMaxCid + 1).
  size_t size() const { return ranges_.size(); }

 private:
  struct Range {
    uint32_t first = 0, last = 0;
    double width = 0;
  };
  std::vector<Range> ranges_;  // by first, not overlapping
};

}  // namespace viewer::pdf
