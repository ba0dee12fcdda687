// How a requested font name reads: a family as it stands ("Arial", "Liberation Sans"),
// or a family with a style, written as PostScript and PDF names write them
// ("Times-Roman", "Arial,Bold", "Helvetica-BoldOblique", "Arial Bold Italic"), with the
// family's words run together ("TimesNewRoman") read apart too.
#pragma once

#include <string>
#include <vector>

namespace viewer::fonts {

struct FontRequest {
  std::string family;
  bool bold = false;
  bool italic = false;
  bool operator==(const FontRequest&) const = default;
};

// The readings of name, most literal first, without repeats; empty for an empty name.
std::vector<FontRequest> ReadFontName(const std::string& name);

}  // namespace viewer::fonts
