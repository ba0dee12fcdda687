// The encodings a simple font's /Encoding names, as characters by code.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace viewer::pdf {

enum class BaseEncoding { Standard, WinAnsi, MacRoman };

// The encoding of a name ("/WinAnsiEncoding", with or without the '/'); none for
// another name.
std::optional<BaseEncoding> BaseEncodingNamed(std::string_view name);

// The character of code in encoding; 0 where it defines none.
char32_t BaseEncodingCharacter(BaseEncoding encoding, uint8_t code);

}  // namespace viewer::pdf
