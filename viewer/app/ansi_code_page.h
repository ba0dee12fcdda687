// The host's encoding: the system's ANSI code page, to and from Unicode.
#pragma once

#include <string>
#include <string_view>

namespace viewer {

std::u16string AnsiToUnicode(std::string_view text);
// What the code page cannot show becomes '?' (no best-fit look-alikes).
std::string UnicodeToAnsi(std::u16string_view text);

}  // namespace viewer
