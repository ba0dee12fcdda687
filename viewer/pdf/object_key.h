// One 64-bit key for an indirect object: its object and generation numbers.
#pragma once

#include <cstdint>

#include <qpdf/QPDFObjGen.hh>

namespace viewer::pdf {

inline uint64_t ObjectKey(const QPDFObjGen& og) {
  return (static_cast<uint64_t>(static_cast<uint32_t>(og.getObj())) << 32) |
         static_cast<uint32_t>(og.getGen());
}

}  // namespace viewer::pdf
