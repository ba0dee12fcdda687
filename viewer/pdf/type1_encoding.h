// The built-in encoding of an embedded Type 1 font program: what a simple font
// without /Encoding (or with /Differences over no base encoding) draws for each code.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace viewer::pdf {

// The glyph names by code that the program's clear-text part assigns ("dup 65 /A
// put"); empty names for codes it leaves out. None when the program uses
// StandardEncoding or assigns nothing readable.
std::optional<std::array<std::string, 256>> Type1EncodingNames(std::string_view program);

}  // namespace viewer::pdf
