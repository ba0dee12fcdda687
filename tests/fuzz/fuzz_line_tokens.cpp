// The tokenizer and line readers the plug-in's text files share: any bytes, cut into
// tokens and read as lines both ways (pieces of a fixed buffer, text-mode lines).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/line_tokens.h"
#include "input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  std::size_t position = 0;
  for (;;) {
    const std::size_t before = position;
    const std::string_view token = NextLineToken(bytes, position);
    if (position < before || position > bytes.size()) __builtin_trap();
    if (token.empty()) break;
    LeadingInteger(token);
  }

  // Pieces of a fixed buffer (its size taken from the first byte) hold the file's bytes
  // exactly, in order, none longer than the buffer allows.
  {
    const std::size_t limit = size > 0 ? 1 + data[0] % 300 : kTextLineLimit;
    InputFile input(data, size);
    if (input.get() == nullptr) return 0;
    std::string piece, joined;
    while (ReadLinePiece(input.get(), limit, piece)) {
      if (piece.empty() || piece.size() > limit) __builtin_trap();
      joined += piece;
    }
    if (joined != bytes) __builtin_trap();
  }

  // Text-mode lines: none empty, none longer than the line buffer allows.
  {
    InputFile input(data, size);
    if (input.get() == nullptr) return 0;
    std::size_t total = 0;
    ForEachTextLineOfFile(input.get(), [&](std::string_view line) {
      if (line.empty() || line.size() > kTextLineLimit) __builtin_trap();
      total += line.size();
    });
    if (total > size) __builtin_trap();
  }
  return 0;
}
